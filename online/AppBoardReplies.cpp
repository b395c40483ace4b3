// The board's JSON answers read into what the game shows, trusting nothing beyond that.
#include "AppBoardReplies.h"

#include "AppBoardOptions.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

// A whole number within [low, high], or nothing.
std::optional<qint64> Whole(const QJsonValue& value, qint64 low, qint64 high) {
    if (!value.isDouble())
        return std::nullopt;
    const double number = value.toDouble();
    if (number < double(low) || number > double(high) || number != double(qint64(number)))
        return std::nullopt;
    return qint64(number);
}

constexpr qint64 most = 2'000'000'000;

// A game's id, given as a string or as a whole number; empty for anything else.
QString IdOf(const QJsonValue& value) {
    if (value.isString())
        return value.toString();
    const std::optional<qint64> number = Whole(value, 0, qint64(1) << 53);
    return number ? QString::number(*number) : QString();
}

} // namespace

std::optional<AppBoardAnswer> AppBoardReplies::Posted(const QByteArray& body) {
    const QJsonObject answer = QJsonDocument::fromJson(body).object();
    const std::optional<qint64> rank = Whole(answer.value(u"rank"), 1, most);
    const std::optional<qint64> of = Whole(answer.value(u"of"), 1, most);
    if (!rank || !of || !answer.value(u"day").isString())
        return std::nullopt;
    return AppBoardAnswer::Sent(answer.value(u"day").toString().toStdString(), *rank, *of,
                                IdOf(answer.value(u"id")).toStdString());
}

QString AppBoardReplies::Reason(const QByteArray& body, int status) {
    const QJsonValue reason = QJsonDocument::fromJson(body).object().value(u"reason");
    QString text = reason.isString() ? reason.toString().simplified() : QString();
    if (text.isEmpty())
        //: Why the board refused a game, when it gave no reason of its own. %1 is a number.
        text = QCoreApplication::translate("AppBoardReplies", "the board answered %1").arg(status);
    return QString::fromStdString(AppBoardAnswer::Refused(text.toStdString()).reason);
}

std::optional<std::vector<AppBoardDayLine>> AppBoardReplies::Day(const QByteArray& body) {
    const QJsonDocument document = QJsonDocument::fromJson(body);
    const QJsonArray lines =
        document.isArray() ? document.array() : document.object().value(u"lines").toArray();
    if (!document.isArray() && !document.object().value(u"lines").isArray())
        return std::nullopt;
    std::vector<AppBoardDayLine> read;
    for (const QJsonValue& value : lines) {
        if (int(read.size()) == maxLines)
            break;
        const QJsonObject line = value.toObject();
        const std::optional<qint64> rank = Whole(line.value(u"rank"), 1, most);
        const std::optional<qint64> score = Whole(line.value(u"score"), 0, most);
        const std::optional<qint64> phase = Whole(line.value(u"phase"), 1, most);
        const QString id = IdOf(line.value(u"id"));
        const QString name = line.value(u"name").toString();
        if (!rank || !score || !phase || !AppBoardAnswer::IsId(id.toStdString()) ||
            !line.value(u"name").isString())
            return std::nullopt;
        // Shown as plain text, one line, no longer than a name the board takes, and without
        // the characters that would turn the rest of the line around.
        QString shown = name.simplified().left(int(AppBoardOptions::maxNameLength) * 2);
        shown.removeIf([](QChar c) {
            return (c >= QChar(0x202A) && c <= QChar(0x202E)) ||
                   (c >= QChar(0x2066) && c <= QChar(0x2069));
        });
        read.push_back({int(*rank), shown, int(*score), int(*phase), id});
    }
    return read;
}
