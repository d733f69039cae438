#pragma once

#include <QString>
#include <QStringList>

// The recent-file list: the four layouts opened last, newest first, kept in
// the settings store under "Local AppWizard-Generated Applications" /
// "RavloViewer", section "Recent File List", keys File1 to File4.
class RecentFileList {
public:
    static constexpr int MaxEntries = 4;

    RecentFileList();

    const QStringList& entries() const { return files; }
    // Puts a path at the front (once) and stores the list.
    void add(const QString& path);
    // Drops a path that could not be opened and stores the list.
    void remove(const QString& path);

    // The menu text of entry i: "&1 name" with the path shortened when long.
    QString menuText(int index) const;

private:
    void load();
    void save() const;

    QStringList files;
};
