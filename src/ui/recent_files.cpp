#include "ui/recent_files.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace {
const char* const Organisation = "Local AppWizard-Generated Applications";
const char* const Application = "RavloViewer";
const char* const Section = "Recent File List";
constexpr int ShortenAbove = 60;

QString canonical(const QString& path)
{
    const QFileInfo info(path);
    return QDir::cleanPath(info.absoluteFilePath());
}
} // namespace

RecentFileList::RecentFileList()
{
    load();
}

void RecentFileList::load()
{
    QSettings settings(Organisation, Application);
    settings.beginGroup(Section);
    files.clear();
    for (int i = 1; i <= MaxEntries; ++i) {
        const QString path = settings.value(QStringLiteral("File%1").arg(i)).toString();
        if (!path.isEmpty() && !files.contains(path))
            files.append(path);
    }
}

void RecentFileList::save() const
{
    QSettings settings(Organisation, Application);
    settings.beginGroup(Section);
    for (int i = 1; i <= MaxEntries; ++i) {
        const QString key = QStringLiteral("File%1").arg(i);
        if (i <= files.size())
            settings.setValue(key, files[i - 1]);
        else
            settings.remove(key);
    }
}

void RecentFileList::add(const QString& path)
{
    const QString entry = canonical(path);
    files.removeAll(entry);
    files.prepend(entry);
    while (files.size() > MaxEntries)
        files.removeLast();
    save();
}

void RecentFileList::remove(const QString& path)
{
    files.removeAll(path);
    files.removeAll(canonical(path));
    save();
}

QString RecentFileList::menuText(int index) const
{
    QString shown = QDir::toNativeSeparators(files.value(index));
    if (shown.size() > ShortenAbove) {
        const QFileInfo info(files.value(index));
        shown = QStringLiteral("...") + QDir::separator() + info.fileName();
    }
    shown.replace('&', QStringLiteral("&&"));
    return QStringLiteral("&%1 %2").arg(index + 1).arg(shown);
}
