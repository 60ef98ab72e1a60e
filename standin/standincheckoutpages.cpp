#include "standincheckoutpages.h"

namespace
{
const QString style = QStringLiteral(
    "<style>"
    "body{font-family:sans-serif;margin:0;padding:20px;background:#f4f5f8;color:#15172d}"
    "h1{font-size:24px;margin:0 0 4px}h2{font-size:16px;margin:20px 0 8px}"
    ".sum{font-size:30px;font-weight:700;margin:0 0 12px}"
    "a.button,button{display:block;width:100%;box-sizing:border-box;margin:8px 0;padding:14px;border:0;border-radius:12px;"
    "background:#fff;color:#15172d;font:inherit;font-size:16px;text-align:left;text-decoration:none}"
    "a.pay{background:#e2549b;color:#fff;text-align:center;font-weight:700}"
    ".note{font-size:13px;color:#6b6b78}iframe{width:100%;height:150px;border:0;border-radius:12px;background:#fff}"
    "</style>");

QString document(const QString &title, const QString &body)
{
    return QStringLiteral("<!doctype html><html lang=\"ru\"><head><meta charset=\"utf-8\">"
                          "<meta name=\"viewport\" content=\"width=device-width\"><title>%1</title>%2</head>"
                          "<body>%3</body></html>")
        .arg(title, style, body);
}

QString link(const QString &id, const QString &href, const QString &text, const QString &extraClass = {})
{
    return QStringLiteral("<a id=\"%1\" class=\"button %4\" href=\"%2\">%3</a>").arg(id, href.toHtmlEscaped(), text, extraClass);
}

QString opener(const QString &id, const QString &address, const QString &text)
{
    return QStringLiteral("<button id=\"%1\" onclick=\"window.open('%2')\">%3</button>").arg(id, address, text);
}

QString checkout(const QString &kind, const QString &origin, const QString &plainOrigin, const QString &amount)
{
    const QString order = QStringLiteral("TRV-") + QString(amount).remove(QLatin1Char('.'));
    const QString sum = amount.isEmpty() ? QStringLiteral("—") : amount.toHtmlEscaped() + QStringLiteral(" ₽");
    QString body = QStringLiteral("<h1>%1</h1><p class=\"sum\" id=\"sum\">%2</p><p class=\"note\">Заказ %3</p>")
                       .arg(kind == QLatin1String("sbp") ? QStringLiteral("Оплата через СБП") : QStringLiteral("Оплата картой"),
                            sum, order);
    body += QStringLiteral("<h2>Выберите банк</h2>");
    body += link(QStringLiteral("bank-sberpay"), QStringLiteral("sberpay://pay?order=") + order, QStringLiteral("SberPay"));
    body += link(QStringLiteral("bank-sberbankonline"), QStringLiteral("sberbankonline://payments/sbp?order=") + order,
                 QStringLiteral("СберБанк Онлайн"));
    body += link(QStringLiteral("bank-tinkoffbank"), QStringLiteral("tinkoffbank://pay?order=") + order, QStringLiteral("Т-Банк"));
    body += link(QStringLiteral("bank-alfabank"), QStringLiteral("alfabank://sbp?order=") + order, QStringLiteral("Альфа-Банк"));
    body += link(QStringLiteral("bank-numbered"), QStringLiteral("bank100000000004://qr.nspk.ru/") + order,
                 QStringLiteral("Другой банк СБП"));
    body += QStringLiteral("<h2>Другие способы</h2>");
    body += link(QStringLiteral("next"), origin + QStringLiteral("/checkout/next?order=") + order, QStringLiteral("Оплатить картой"),
                 QStringLiteral("pay"));
    body += link(QStringLiteral("blank"), QStringLiteral("about:blank"), QStringLiteral("Пустая страница"));
    body += link(QStringLiteral("plain"), plainOrigin + QStringLiteral("/checkout/next"), QStringLiteral("Страница без шифрования"));
    body += link(QStringLiteral("mail"), QStringLiteral("mailto:pay@tarvik.example"), QStringLiteral("Написать в поддержку"));
    body += opener(QStringLiteral("window-https"), origin + QStringLiteral("/checkout/window"), QStringLiteral("Чек в новом окне"));
    body += opener(QStringLiteral("window-http"), plainOrigin + QStringLiteral("/checkout/window"),
                   QStringLiteral("Чек в новом окне без шифрования"));
    body += opener(QStringLiteral("window-bank"), QStringLiteral("sberpay://pay?order=") + order, QStringLiteral("SberPay в новом окне"));
    body += link(QStringLiteral("slow"), origin + QStringLiteral("/checkout/slow"), QStringLiteral("Медленная страница"));
    body += link(QStringLiteral("never"), origin + QStringLiteral("/checkout/never"), QStringLiteral("Страница, которая не загрузится"));
    body += link(QStringLiteral("broken"), origin + QStringLiteral("/checkout/broken"), QStringLiteral("Оборванное соединение"));
    body += QStringLiteral("<h2>Встроенная форма</h2><iframe id=\"frame\" src=\"%1/checkout/frame\"></iframe>"
                           "<iframe id=\"blank-frame\" src=\"about:blank\" style=\"height:0\"></iframe>")
                .arg(origin);
    return document(QStringLiteral("Оплата"), body);
}
} // namespace

namespace StandinCheckoutPages
{
QByteArray page(const QString &path, const QString &origin, const QString &plainOrigin, const QString &amount)
{
    if (path == QLatin1String("/checkout/sbp") || path == QLatin1String("/checkout/card"))
        return checkout(path.mid(10), origin, plainOrigin, amount).toUtf8();
    if (path == QLatin1String("/checkout/next"))
        return document(QStringLiteral("Данные карты"),
                        QStringLiteral("<h1 id=\"title\">Данные карты</h1><p>Введите номер карты.</p>"
                                       "<input id=\"card\" inputmode=\"numeric\" autocomplete=\"cc-number\" "
                                       "placeholder=\"Номер карты\" style=\"display:block;width:100%;box-sizing:border-box;"
                                       "font-size:20px;padding:14px\">"
                                       "<input id=\"expiry\" inputmode=\"numeric\" autocomplete=\"cc-exp\" placeholder=\"ММ/ГГ\" "
                                       "style=\"display:block;margin-top:12px;font-size:20px;padding:14px\">"))
            .toUtf8();
    if (path == QLatin1String("/checkout/window"))
        return document(QStringLiteral("Чек"), QStringLiteral("<h1 id=\"title\">Чек</h1><p>Чек об оплате.</p>")).toUtf8();
    if (path == QLatin1String("/checkout/slow"))
        return document(QStringLiteral("Проверка"), QStringLiteral("<h1 id=\"title\">Проверка платежа</h1>")).toUtf8();
    if (path == QLatin1String("/checkout/frame")) {
        const QString body = QStringLiteral("<p>Форма банка</p>")
            + link(QStringLiteral("frame-bank"), QStringLiteral("bank100000000004://qr.nspk.ru/frame"), QStringLiteral("Открыть банк"))
            + link(QStringLiteral("frame-next"), origin + QStringLiteral("/checkout/next"), QStringLiteral("Дальше"));
        return document(QStringLiteral("Форма"), body).toUtf8();
    }
    return {};
}
} // namespace StandinCheckoutPages
