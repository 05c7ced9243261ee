#include "cli/Doctor.h"

#include "cli/Session.h"
#include "launch/LaunchText.h"
#include "platform/Fs.h"
#include "platform/SkaldrunError.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace Commands {

namespace {

QJsonValue orNull(const std::optional<QString>& value) {
    return value ? QJsonValue(*value) : QJsonValue();
}

QString levelName(LaunchReport::Level level) {
    return level == LaunchReport::Level::warning ? QStringLiteral("warning") : QStringLiteral("error");
}

QJsonObject asJson(const LastLaunch& last) {
    QJsonObject json{{QStringLiteral("clean"), last.clean()}, {QStringLiteral("noLog"), orNull(last.noLog)}};
    if (!last.report) return json;
    const LaunchReport& r = *last.report;
    QJsonArray problems;
    for (const LastLaunch::Problem& p : last.problems)
        problems.append(QJsonObject{
            {QStringLiteral("text"), p.text},
            {QStringLiteral("mod"), p.mod ? QJsonValue(p.mod->name) : QJsonValue()},
            {QStringLiteral("warning"), p.warningOnly},
            {QStringLiteral("evidence"), p.finding ? p.finding->evidence : p.connection->evidence},
            {QStringLiteral("line"), p.finding ? p.finding->line : p.connection->line}});
    QJsonArray messages;
    for (const LaunchReport::Message& m : r.messages)
        messages.append(QJsonObject{{QStringLiteral("source"), m.source},
                                    {QStringLiteral("level"), levelName(m.level)},
                                    {QStringLiteral("text"), m.text},
                                    {QStringLiteral("count"), m.count}});
    json.insert(QStringLiteral("log"), r.file);
    json.insert(QStringLiteral("written"),
                r.written ? QJsonValue(r.written->toString(Qt::ISODate)) : QJsonValue());
    json.insert(QStringLiteral("summary"), LaunchText::summary(r));
    json.insert(QStringLiteral("bepInEx"), orNull(r.bepInEx));
    json.insert(QStringLiteral("pack"), orNull(r.pack));
    json.insert(QStringLiteral("unity"), orNull(r.unity));
    json.insert(QStringLiteral("platform"), orNull(r.platform));
    json.insert(QStringLiteral("server"), r.server);
    json.insert(QStringLiteral("gameVersion"), orNull(r.gameVersion));
    json.insert(QStringLiteral("pluginsToLoad"),
                r.pluginsToLoad ? QJsonValue(*r.pluginsToLoad) : QJsonValue());
    json.insert(QStringLiteral("loaded"), r.loadedCount());
    json.insert(QStringLiteral("chainloaderComplete"), r.chainloaderComplete);
    json.insert(QStringLiteral("gameUpdated"),
                last.gameUpdate ? QJsonValue(LaunchText::gameUpdated(*last.gameUpdate)) : QJsonValue());
    json.insert(QStringLiteral("problems"), problems);
    json.insert(QStringLiteral("messages"), messages);
    return json;
}

void print(const LastLaunch& last) {
    if (last.noLog) out(*last.noLog);
    if (!last.report) return;
    const LaunchReport& r = *last.report;
    out(QCoreApplication::translate("Commands", "Last launch: %1").arg(LaunchText::summary(r)));
    QStringList versions;
    if (r.bepInEx) versions << QStringLiteral("BepInEx ") + *r.bepInEx;
    if (r.pack) versions << QCoreApplication::translate("Commands", "pack %1").arg(*r.pack);
    if (r.unity) versions << QStringLiteral("Unity ") + *r.unity;
    if (r.platform)
        versions << (r.server ? QCoreApplication::translate("Commands", "%1 server").arg(*r.platform)
                              : *r.platform);
    if (!versions.isEmpty()) out(versions.join(QStringLiteral(" · ")));
    out(QCoreApplication::translate("Commands", "Log: %1").arg(Fs::displayPath(r.file)));
    if (last.gameUpdate) out(LaunchText::gameUpdated(*last.gameUpdate));
    for (const LastLaunch::Problem& p : last.problems)
        out(p.connection ? QStringLiteral("  · ") + p.text
            : p.warningOnly
                ? QStringLiteral("  ") + QCoreApplication::translate("Commands", "note: %1").arg(p.text)
                : QStringLiteral("  ! ") + p.text);
    for (const LaunchReport::Message& m : r.messages)
        out(QStringLiteral("  ") +
            (m.count > 1 ? QCoreApplication::translate("Commands", "[%1] %2 (%n times)", nullptr, m.count)
                               .arg(m.source, m.text)
                         : QStringLiteral("[%1] %2").arg(m.source, m.text)));
}

} // namespace

void doctor(Session& session, bool json) {
    AppState& s = session.state();
    if (s.launchReading()) {
        QEventLoop loop;
        QObject::connect(&s, &AppState::launchChanged, &loop, &QEventLoop::quit);
        loop.exec();
    }
    const LastLaunch& last = s.lastLaunch();
    if (json)
        out(QString::fromUtf8(QJsonDocument(asJson(last)).toJson(QJsonDocument::Indented)).trimmed());
    else
        print(last);
    if (last.clean()) return;
    throw SkaldrunError(
        last.report ? QCoreApplication::translate("Commands", "Not every mod loaded in the last launch.")
                    : QCoreApplication::translate("Commands", "There is no log of a launch with mods."));
}

} // namespace Commands
