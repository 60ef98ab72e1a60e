#pragma once

#include <QByteArray>

// Stored chat histories for the store's tests (kept out of the test source: moc does not read raw
// strings).
namespace ChatFixtures
{
// The encoder's exact output for a plain message and one with every optional field.
inline const QByteArray plainAndFull =
    R"([{"id":"0F8FAD5B-D9CB-469F-A165-70867728950E","text":"Привет \"мир\"","outgoing":true,"sentAt":700000000.25},)"
    R"({"id":"0F8FAD5B-D9CB-469F-A165-70867728950E","text":"Привет \"мир\"","outgoing":false,"sentAt":700000000.25,)"
    R"("replyTo":{"author":"Вы","text":"Вопрос"},"editedAt":700000001.5,"readAt":700000002,"pinned":false,"reaction":"dislike"}])";

// Keys out of order, an unknown key, and null for every optional.
inline const QByteArray shuffledWithNulls = R"([{"sentAt":1,"pinned":null,"reaction":null,"extra":[1,2],"outgoing":false,"text":"a",)"
                                            R"("id":"0f8fad5b-d9cb-469f-a165-70867728950e","replyTo":null,"editedAt":null,"readAt":null}])";

inline const QByteArray anObject = R"({"id":"x"})";
inline const QByteArray missingSentAt = R"([{"id":"0F8FAD5B-D9CB-469F-A165-70867728950E","text":"a","outgoing":true}])";
inline const QByteArray sentAtAsText = R"([{"id":"0F8FAD5B-D9CB-469F-A165-70867728950E","text":"a","outgoing":true,"sentAt":"1"}])";
inline const QByteArray badId = R"([{"id":"not-a-uuid","text":"a","outgoing":true,"sentAt":1}])";
inline const QByteArray outgoingAsNumber = R"([{"id":"0F8FAD5B-D9CB-469F-A165-70867728950E","text":"a","outgoing":1,"sentAt":1}])";
inline const QByteArray unknownReaction =
    R"([{"id":"0F8FAD5B-D9CB-469F-A165-70867728950E","text":"a","outgoing":false,"sentAt":1,"reaction":"love"}])";
inline const QByteArray replyWithoutText =
    R"([{"id":"0F8FAD5B-D9CB-469F-A165-70867728950E","text":"a","outgoing":false,"sentAt":1,"replyTo":{"author":"Вы"}}])";
inline const QByteArray oneBadAmongGood = R"([{"id":"0F8FAD5B-D9CB-469F-A165-70867728950E","text":"Привет","outgoing":true,"sentAt":1},)"
                                          R"({"id":"0F8FAD5B-D9CB-469F-A165-70867728950E"}])";

// The old greeting and reply author, with near misses that must stay as they are.
inline const QByteArray oldPersona =
    R"([{"id":"00000000-0000-0000-0000-000000000001","text":"Я — виртуальный помощник Tarvik, чем помочь?","outgoing":false,"sentAt":5},)"
    R"({"id":"00000000-0000-0000-0000-000000000002","text":"Ты виртуальный помощник Tarvik?","outgoing":true,"sentAt":6,)"
    R"("replyTo":{"author":"Поддержка Tarvik","text":"Старый текст"}},)"
    R"({"id":"00000000-0000-0000-0000-000000000003","text":"ВИРТУАЛЬНЫЙ ПОМОЩНИК TARVIK","outgoing":false,"sentAt":7,)"
    R"("replyTo":{"author":"поддержка Tarvik","text":"x"}}])";

// Two pinned (possible only in edited data) and one never pinned.
inline const QByteArray twoPinned = R"([{"id":"00000000-0000-0000-0000-00000000000A","text":"A","outgoing":false,"sentAt":1,"pinned":true},)"
                                    R"({"id":"00000000-0000-0000-0000-00000000000B","text":"B","outgoing":true,"sentAt":2,"pinned":true},)"
                                    R"({"id":"00000000-0000-0000-0000-00000000000C","text":"C","outgoing":true,"sentAt":3}])";
} // namespace ChatFixtures
