// One request to the board: answered within a deadline, read up to a cap, never redirected.
#include "AppBoardCall.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QTimer>

#include <memory>

namespace {

QNetworkRequest Request(const QUrl& url) {
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::ManualRedirectPolicy);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         QNetworkRequest::AlwaysNetwork);
    request.setMaximumRedirectsAllowed(0);
    return request;
}

QString Why(QNetworkReply::NetworkError error, const QString& text) {
    switch (error) {
    case QNetworkReply::ConnectionRefusedError:
        //: Why the board cannot be reached, after "cannot reach HOST: ".
        return AppBoardCall::tr("connection refused");
    case QNetworkReply::HostNotFoundError:
        return AppBoardCall::tr("host not found");
    case QNetworkReply::RemoteHostClosedError:
        return AppBoardCall::tr("the connection was closed");
    case QNetworkReply::SslHandshakeFailedError:
        return AppBoardCall::tr("its certificate is not trusted");
    default:
        return text;
    }
}

void Watch(QNetworkReply* reply, const QUrl& url, const AppBoardCall::Limits& limits,
           QObject* context, AppBoardCall::Done done) {
    // Why the reply was cut off by us, if it was.
    auto cutOff = std::make_shared<QString>();
    auto* deadline = new QTimer(reply);
    deadline->setSingleShot(true);
    QObject::connect(deadline, &QTimer::timeout, reply, [reply, cutOff] {
        //: The board did not answer within the time it is given.
        *cutOff = AppBoardCall::tr("no answer in time");
        reply->abort();
    });
    deadline->start(limits.deadlineMs);
    const auto checkSize = [reply, cutOff, cap = limits.cap] {
        const qint64 told = reply->header(QNetworkRequest::ContentLengthHeader).toLongLong();
        if (cutOff->isEmpty() && (told > cap || reply->bytesAvailable() > cap)) {
            //: The board's answer is larger than any answer it should give.
            *cutOff = AppBoardCall::tr("the answer is too large");
            reply->abort();
        }
    };
    QObject::connect(reply, &QNetworkReply::metaDataChanged, reply, checkSize);
    QObject::connect(reply, &QNetworkReply::readyRead, reply, checkSize);
    QPointer<QObject> alive(context);
    QObject::connect(
        reply, &QNetworkReply::finished, reply,
        [reply, url, cutOff, alive, done = std::move(done), cap = limits.cap] {
            reply->deleteLater();
            if (!alive)
                return;
            AppBoardResult result;
            result.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
            if (!cutOff->isEmpty()) {
                result.status = 0;
                result.problem = *cutOff;
            } else if (result.status == 0) {
                result.problem =
                    AppBoardCall::CannotReach(url, Why(reply->error(), reply->errorString()));
            } else {
                result.body = reply->read(cap + 1);
                if (result.body.size() > cap) {
                    result.status = 0;
                    result.body.clear();
                    result.problem = AppBoardCall::tr("the answer is too large");
                }
                result.location = reply->header(QNetworkRequest::LocationHeader).toUrl().toString();
            }
            done(result);
        });
}

} // namespace

void AppBoardCall::Get(QNetworkAccessManager& network, const QUrl& url, const Limits& limits,
                       QObject* context, Done done) {
    Watch(network.get(Request(url)), url, limits, context, std::move(done));
}

void AppBoardCall::Post(QNetworkAccessManager& network, const QUrl& url, const QByteArray& body,
                        const QList<QPair<QByteArray, QByteArray>>& headers, const Limits& limits,
                        QObject* context, Done done) {
    QNetworkRequest request = Request(url);
    request.setHeader(QNetworkRequest::ContentTypeHeader,
                      QByteArrayLiteral("application/x-zingaroo-replay"));
    for (const auto& [name, value] : headers)
        request.setRawHeader(name, value);
    Watch(network.post(request, body), url, limits, context, std::move(done));
}

QString AppBoardCall::CannotReach(const QUrl& url, const QString& why) {
    //: A page or a game could not be sent to or fetched from the board. %1 is the board's
    //: host name, %2 why (such as "connection refused").
    return AppBoardCall::tr("cannot reach %1: %2").arg(url.host(), why);
}
