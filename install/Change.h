#pragma once

#include <QString>
#include <QStringList>

// One all-or-nothing change of a game folder's mods and settings (an install, an update, an
// import over the active profile). Before anything is replaced or removed, the config folder is
// copied aside and a journal names what the plugins and config folders held; from then on:
//
// - an item the change takes away is parked (renamed inside the game folder, never copied);
// - commit() removes the journal (the one moment the change takes effect), then moves what is
//   parked to the Trash: nothing of the player's is deleted for good;
// - rollback(), the destructor without a commit, and recover() after a crash remove what the
//   change added, bring back what it parked and put back every config file it changed or removed
//   by atomic replace. Each step can be repeated, so a crash during a rollback is finished by the
//   next recover().
//
// The change lives in "<game>/BepInEx/.skaldrun-change", outside the folders BepInEx loads and
// the ones a profile switch moves. Callers hold the game folder's lock and work off the GUI
// thread; everything throws SkaldrunError with the player's sentence.
class Change {
public:
    explicit Change(const QString& gameDir);
    ~Change(); // rolls back an uncommitted change; never throws
    Change(const Change&) = delete;
    Change& operator=(const Change&) = delete;

    // Sets an item of the game folder aside until the change ends.
    void park(const QString& item);
    // Puts the config files the change overwrote back as they were: an update keeps the
    // player's settings over the defaults a new release ships. Files it added stay.
    void keepConfigs();
    void commit();
    void rollback();

    // Undoes a change the app didn't live to finish, or completes one it committed, before
    // anything reads the mods; also brings back what earlier versions left parked mid-update.
    // Returns at once while this process is in the middle of a change of the folder, or another
    // process holds its lock. Never throws.
    static void recover(const QString& gameDir);
    static QString workDir(const QString& gameDir);

private:
    void writeJournal() const;

    QString m_gameDir;
    QStringList m_plugins; // the plugins folder's items when the change began
    QStringList m_configs; // the config folder's files, relative to it
    QStringList m_parked;  // the original paths, in the order they were parked
    bool m_open = true;
};
