#pragma once

#include <QByteArray>

// JSON fixtures of the chat history tests (raw strings stay out of the moc-parsed test file).
namespace fx
{
inline const QByteArray r0 = QByteArray(R"([{"id":"0F8FAD5B-D9CB-469F-A165-70867728950E","text":"Привет","outgoing":true,"sentAt":700000000.25}])");
inline const QByteArray r1 = QByteArray(R"([{"id":"0F8FAD5B-D9CB-469F-A165-70867728950E","text":"Привет \"мир\"","outgoing":true,"sentAt":700000000.25},)");
inline const QByteArray r2 = QByteArray(R"({"id":"0F8FAD5B-D9CB-469F-A165-70867728950E","text":"Привет \"мир\"","outgoing":false,"sentAt":700000000.25,)");
inline const QByteArray r3 = QByteArray(R"("replyTo":{"author":"Вы","text":"Вопрос"},"editedAt":700000001.5,"readAt":700000002,"pinned":false,"reaction":"dislike"}])");
inline const QByteArray r4 = QByteArray(R"([{"sentAt":1,"pinned":null,"reaction":null,"extra":[1,2],"outgoing":false,"text":"a",)");
inline const QByteArray r5 = QByteArray(R"("id":"0f8fad5b-d9cb-469f-a165-70867728950e","replyTo":null,"editedAt":null,"readAt":null}])");
inline const QByteArray r6 = QByteArray(R"({"id":"x"})");
inline const QByteArray r7 = QByteArray(R"([{"id":"0F8FAD5B-D9CB-469F-A165-70867728950E","text":"a","outgoing":true}])");
inline const QByteArray r8 = QByteArray(R"([{"id":"0F8FAD5B-D9CB-469F-A165-70867728950E","text":"a","outgoing":true,"sentAt":"1"}])");
inline const QByteArray r9 = QByteArray(R"([{"id":"not-a-uuid","text":"a","outgoing":true,"sentAt":1}])");
inline const QByteArray r10 = QByteArray(R"([{"id":"0F8FAD5B-D9CB-469F-A165-70867728950E","text":"a","outgoing":1,"sentAt":1}])");
inline const QByteArray r11 = QByteArray(R"([{"id":"0F8FAD5B-D9CB-469F-A165-70867728950E","text":"a","outgoing":false,"sentAt":1,"reaction":"love"}])");
inline const QByteArray r12 = QByteArray(R"([{"id":"0F8FAD5B-D9CB-469F-A165-70867728950E","text":"a","outgoing":false,"sentAt":1,"replyTo":{"author":"Вы"}}])");
inline const QByteArray r13 = QByteArray(R"([)");
inline const QByteArray r14 = QByteArray(R"(,{"id":"0F8FAD5B-D9CB-469F-A165-70867728950E"}])");
inline const QByteArray r15 = QByteArray(R"([)");
inline const QByteArray r16 = QByteArray(R"({"id":"00000000-0000-0000-0000-000000000001","text":"Я — виртуальный помощник Tarvik, чем помочь?","outgoing":false,"sentAt":5},)");
inline const QByteArray r17 = QByteArray(R"({"id":"00000000-0000-0000-0000-000000000002","text":"Ты виртуальный помощник Tarvik?","outgoing":true,"sentAt":6,)");
inline const QByteArray r18 = QByteArray(R"("replyTo":{"author":"Поддержка Tarvik","text":"Старый текст"}},)");
inline const QByteArray r19 = QByteArray(R"({"id":"00000000-0000-0000-0000-000000000003","text":"ВИРТУАЛЬНЫЙ ПОМОЩНИК TARVIK","outgoing":false,"sentAt":7,)");
inline const QByteArray r20 = QByteArray(R"("replyTo":{"author":"поддержка Tarvik","text":"x"}}])");
inline const QByteArray r21 = QByteArray(R"([{"id":"00000000-0000-0000-0000-00000000000A","text":"A","outgoing":false,"sentAt":1,"pinned":true},)");
inline const QByteArray r22 = QByteArray(R"({"id":"00000000-0000-0000-0000-00000000000B","text":"B","outgoing":true,"sentAt":2,"pinned":true},)");
inline const QByteArray r23 = QByteArray(R"({"id":"00000000-0000-0000-0000-00000000000C","text":"C","outgoing":true,"sentAt":3}])");
} // namespace fx
