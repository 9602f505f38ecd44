#include "app/windowregistry.h"

#include "core/platform/log.h"
#include "core/platform/services.h"

#include <exception>
#include <utility>

namespace tavrisk::app {

void WindowRegistry::loaded(const QString &name, std::function<void()> unload)
{
    unloaded(name);
    m_entries.push_back({name, std::move(unload), false});
}

bool WindowRegistry::unloading(const QString &name)
{
    Entry *e = find(name);
    if (!e || e->unloading)
        return false;
    e->unloading = true;
    return true;
}

void WindowRegistry::unloaded(const QString &name)
{
    std::erase_if(m_entries, [&](const Entry &e) { return e.name == name; });
}

QStringList WindowRegistry::loadOrder() const
{
    QStringList names;
    for (const Entry &e : m_entries)
        names << e.name;
    return names;
}

void WindowRegistry::endProgram()
{
    m_ending = true;
    // Walk a copy of the names: unload steps change the list as they run.
    for (const QString &name : loadOrder()) {
        if (m_ended)
            return; // a nested call has already ended the process
        if (!unloading(name))
            continue;
        const std::function<void()> unload = find(name)->unload;
        try {
            if (unload)
                unload();
        } catch (const std::exception &e) {
            // A window that fails to unload must not keep the process alive.
            qCInfo(lcApp) << "unloading" << name << "failed:" << e.what();
        } catch (...) {
            qCInfo(lcApp) << "unloading" << name << "failed";
        }
        unloaded(name);
    }
    if (m_ended)
        return;
    m_ended = true;
    m_end.endProcess();
}

WindowRegistry::Entry *WindowRegistry::find(const QString &name)
{
    for (Entry &e : m_entries) {
        if (e.name == name)
            return &e;
    }
    return nullptr;
}

} // namespace tavrisk::app
