#pragma once

// Recording stand-ins for the platform services, so no test opens a browser,
// blocks on a modal box or touches the user's settings.

#include "core/platform/services.h"

#include <QMap>
#include <QStringList>
#include <deque>
#include <functional>
#include <stdexcept>

namespace tavrisk::testing {

struct FakeOpener : UrlOpener
{
    QStringList opened; // fully encoded, as handed to the desktop
    std::function<void()> onOpen;
    void open(const QUrl &address) override
    {
        opened << address.toString(QUrl::FullyEncoded);
        if (onOpen)
            onOpen();
    }
};

// Start-up boxes, and (through FakeRefusals) the refusals raised by a window,
// in the order shown.
struct FakeMessages : MessageBoxes
{
    struct Shown
    {
        QString text, title;
        Icon icon;
        Buttons buttons;
        const QObject *owner; // the window that raised it, or null
    };
    QList<Shown> shown;
    Answer nextAnswer = Answer::Ok;
    std::function<void()> onShow;
    Answer show(const QString &text, const QString &title, Icon icon, Buttons buttons) override
    {
        return record(nullptr, text, title, icon, buttons);
    }
    Answer record(const QObject *owner, const QString &text, const QString &title, Icon icon,
                  Buttons buttons)
    {
        shown.append({text, title, icon, buttons, owner});
        if (onShow)
            onShow();
        if (buttons == Buttons::Ok)
            return Answer::Ok;
        return nextAnswer;
    }
    QStringList texts() const
    {
        QStringList t;
        for (const Shown &s : shown)
            t << s.text;
        return t;
    }
    QList<const QObject *> owners() const
    {
        QList<const QObject *> o;
        for (const Shown &s : shown)
            o << s.owner;
        return o;
    }
};

struct FakeSettings : SettingsStore
{
    QMap<QString, QString> values;
    bool readable = true;
    bool writable = true;
    QStringList log; // "read Key", "write Key=Value", in order
    std::function<void()> onWrite;
    std::optional<QString> readSetting(const QString &key) override
    {
        log << QStringLiteral("read ") + key;
        if (!readable)
            return std::nullopt;
        return values.value(key);
    }
    bool writeSetting(const QString &key, const QString &value) override
    {
        log << QStringLiteral("write ") + key + u'=' + value;
        if (!writable)
            return false;
        values[key] = value;
        if (onWrite)
            onWrite();
        return true;
    }
};

struct FakeClock : Clock
{
    QDate day{2026, 12, 8};
    QLocale loc{QLocale::English, QLocale::UnitedStates};
    QDate today() const override { return day; }
    QLocale locale() const override { return loc; }
};

struct FakeLock : InstanceLock
{
    bool othersRunning = false;
    int acquired = 0, released = 0;
    bool acquire() override
    {
        ++acquired;
        return !othersRunning;
    }
    void release() override { ++released; }
};

// Plays back scripted numbers, then a fixed one.
struct FakeRandom : RandomSource
{
    std::deque<float> script;
    float fallback = 0.0f;
    int seeded = 0, drawn = 0;
    void seedFromClock() override { ++seeded; }
    float next() override
    {
        ++drawn;
        if (script.empty())
            return fallback;
        const float r = script.front();
        script.pop_front();
        return r;
    }
};

struct FakeEnd : ProcessEnd
{
    int ended = 0;
    void endProcess() override { ++ended; }
};

// All fakes together, with the Services view the program takes.
struct FakeServices
{
    FakeOpener opener;
    FakeMessages messages;
    FakeSettings settings;
    FakeClock clock;
    FakeLock instance;
    FakeRandom random;
    FakeEnd end;
    Services services{opener, messages, settings, clock, instance, random, end};
};

} // namespace tavrisk::testing
