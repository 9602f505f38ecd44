#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <QUrl>
#include <optional>

// Platform services the program needs, handed in at start-up. The program
// passes Qt-backed ones; tests pass fakes that record what happened.
namespace tavrisk {

class UrlOpener
{
public:
    virtual ~UrlOpener() = default;
    // Hands the address to the desktop and returns at once; the outcome is not reported.
    virtual void open(const QUrl &address) = 0;
};

class MessageBoxes
{
public:
    enum class Icon { Information, Stop };
    enum class Buttons { Ok, YesNo };
    enum class Answer { Ok, Yes, No };
    virtual ~MessageBoxes() = default;
    // Modal, with no owner: these are asked at start-up, before any window
    // of the program is shown, and stay above every window until answered.
    // The first button of `buttons` is the default one.
    virtual Answer show(const QString &text, const QString &title, Icon icon, Buttons buttons) = 0;
};

// The per-user store of a few texts under (application, "Settings", key).
// Both calls report a store that cannot be read or written.
class SettingsStore
{
public:
    virtual ~SettingsStore() = default;
    virtual std::optional<QString> readSetting(const QString &key) = 0;
    virtual bool writeSetting(const QString &key, const QString &value) = 0;
};

class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDate today() const = 0;
    virtual QLocale locale() const = 0; // the user's date format
};

// Held for the life of the process; released by the system if the process dies.
class InstanceLock
{
public:
    virtual ~InstanceLock() = default;
    // True when this copy is the only one running.
    virtual bool acquire() = 0;
    virtual void release() = 0;
};

class RandomSource
{
public:
    virtual ~RandomSource() = default;
    virtual void seedFromClock() = 0;
    // Uniform in [0, 1), never 1.
    virtual float next() = 0;
};

class ProcessEnd
{
public:
    virtual ~ProcessEnd() = default;
    // Ends the process: the real one ends the event loop, so main returns and
    // the exit handlers run. Callers show and change nothing after it.
    virtual void endProcess() = 0;
};

struct Services
{
    UrlOpener &opener;
    MessageBoxes &messages;
    SettingsStore &settings;
    Clock &clock;
    InstanceLock &instance;
    RandomSource &random;
    ProcessEnd &end;
};

} // namespace tavrisk
