#pragma once

#include "launch/LaunchReport.h"

#include <QByteArray>
#include <QString>

#include <memory>
#include <optional>
#include <string_view>

// Reads BepInEx's LogOutput.log into a LaunchReport, one line at a time: memory stays bounded
// whatever the log's size (repeats are counted, not kept), and any bytes read without error
// (byte-order marks, CRLF or a mix, text that isn't UTF-8, a line cut off by a log still being
// written). Never throws.
namespace LaunchLog {

// The log of the game folder's last launch: LogOutput.log, or LogOutput.log.1 where BepInEx
// wrote when the first was locked, whichever is newer. nullopt when there is neither.
std::optional<LaunchReport> read(const QString& gameDir);
std::optional<LaunchReport> readFile(const QString& path); // nullopt when unreadable
LaunchReport parse(const QByteArray& text);

// The reader itself, fed line by line (without line ends) by the functions above.
class Parser {
public:
    Parser();
    ~Parser();
    Parser(const Parser&) = delete;
    Parser& operator=(const Parser&) = delete;

    void feed(std::string_view line);
    LaunchReport finish();

private:
    struct State;
    std::unique_ptr<State> m;
};

} // namespace LaunchLog
