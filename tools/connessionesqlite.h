#pragma once

#include <QSqlDatabase>
#include <QString>

// An SQLite file opened on a connection of its own, closed and removed on destruction.
// The generator writes each data file through one of these.
class ConnessioneSqlite {
public:
    explicit ConnessioneSqlite(const QString& percorso);
    ~ConnessioneSqlite();
    ConnessioneSqlite(const ConnessioneSqlite&) = delete;
    ConnessioneSqlite& operator=(const ConnessioneSqlite&) = delete;

    bool aperta() const { return aperta_; }
    QSqlDatabase db() const;
    // The driver's text of the last failure, with the file's path in front.
    QString errore(const QString& testo) const;

private:
    QString nome_;
    QString percorso_;
    bool aperta_ = false;
};
