#include "exchange/PostForm.h"

#include "exchange/ExchangeMessages.h"
#include "exchange/HttpClient.h"
#include "exchange/HttpError.h"
#include "store/Cp1252.h"

namespace {

QByteArray formBody(const QStringList &fields)
{
    QString body;
    for (const QString &field : fields)
        body += field + QLatin1Char('&');
    return Cp1252::encode(body);
}

QByteArray withoutLineBreaks(QByteArray reply)
{
    reply.replace('\r', QByteArray());
    reply.replace('\n', QByteArray());
    return reply;
}

} // namespace

QByteArray cleanFormReply(const QByteArray &reply)
{
    static const QByteArray bodyOpen("<BODY>");
    static const QByteArray bodyClose("</BODY>");
    const QByteArray cleaned = withoutLineBreaks(reply);
    const qsizetype open = cleaned.indexOf(bodyOpen);
    if (open <= 0)
        return cleaned;
    const qsizetype start = open + bodyOpen.size();
    const qsizetype close = cleaned.indexOf(bodyClose, start);
    return close < 0 ? cleaned.mid(start) : cleaned.mid(start, close - start);
}

PostReply PostForm(HttpClient &client, const QString &url, const QStringList &fields)
{
    client.setContentType("application/x-www-form-urlencoded");
    try {
        return {true, cleanFormReply(client.post(url, formBody(fields))), {}};
    } catch (const HttpError &error) {
        return {false, {}, ExchangeMessages::transferFailed(error.text())};
    }
}
