#pragma once

#include <QByteArrayView>

// Whether a library whose file name starts with `name` ("libcurl.so") is mapped into this process:
// how the app and its tests tell that a library meant to load late has not loaded early.
bool isLibraryMapped(QByteArrayView name);
