#pragma once

class QQmlEngine;

// The web engine loads with the first web page, not at start: nothing the executable links uses
// it from C++, `import QtWebEngine` sets it up on first use, and what C++ must do for it lives in
// the QML module Tarvik.Web, a plugin loaded from disk.
namespace LazyWebEngine
{
// Before the application object: the shared OpenGL context and graphics API the engine needs
// when its QML module sets it up later.
void prepare();
// Where the engine finds Tarvik.Web: next to the executable (<dir>/qml), else the build tree.
void addImportPaths(QQmlEngine *engine);
// Once the application object is made: from the moment a screen reader is about, the engine is
// told to build its pages' accessibility trees, which Qt WebEngine 6.4 does only if told at its
// start (with the first web page).
void followScreenReader();
// Whether the engine's library is mapped into this process.
bool isLoaded();
} // namespace LazyWebEngine
