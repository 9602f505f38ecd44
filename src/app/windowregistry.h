#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace tavrisk {
class ProcessEnd;
}

namespace tavrisk::app {

// The program's loaded windows in load order, and the one procedure that
// ends the process by unloading them all.
class WindowRegistry
{
public:
    explicit WindowRegistry(ProcessEnd &end) : m_end(end) {}

    // `unload` asks the window to unload; its unload step then runs and ends
    // with unloaded(). A window loaded again goes to the end of the order.
    void loaded(const QString &name, std::function<void()> unload);
    // Marks the window as being unloaded; false if it already is (or is not loaded).
    bool unloading(const QString &name);
    void unloaded(const QString &name);

    QStringList loadOrder() const;

    // Unloads every loaded window in load order, passing over any already
    // being unloaded, then ends the process. Nested calls (from an unload
    // step) do the rest of the work; none unloads a window twice.
    void endProgram();
    // From the first call of endProgram on: nothing may be loaded or shown.
    bool ending() const { return m_ending; }

private:
    struct Entry
    {
        QString name;
        std::function<void()> unload;
        bool unloading = false;
    };
    Entry *find(const QString &name);

    ProcessEnd &m_end;
    std::vector<Entry> m_entries;
    bool m_ending = false;
    bool m_ended = false;
};

} // namespace tavrisk::app
