#pragma once
// Web addresses kept in groups: the active group's pairs (address, short
// name), the names of the groups in use and in the store, and their files in
// the settings folder. Every change of an address works on a pair's index, so
// two pairs with the same short name never get mixed up.
#include "lists/Bogmaerker.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace kv {

class TWebGrupper {
public:
    explicit TWebGrupper(const QString& optMappe = {}) : OptMappe(optMappe) {}

    QString OptMappe;
    QString gruppenavn;       // empty: the addresses without group
    QStringList webSL;        // address, short name, address, short name, ...
    QStringList gruppeliste;  // groups in use, in display order
    QStringList lagerliste;   // groups in the store

    QString webFilename() const { return gruppefil(gruppenavn); }
    QString webGruppefil() const { return OptMappe + u"\\webgruppe.txt"_qs; }
    QString webLagerfil() const { return OptMappe + u"\\webLager.txt"_qs; }
    // The address file of a group; "webliste.txt" for none.
    QString gruppefil(const QString& gruppe) const;

    // Reads the lists of groups in use and in the store. Returns what went
    // wrong, empty when nothing did; every message is Danish.
    QString hentGrupper();
    // Reads the active group's pairs; a missing file is an empty group.
    QString loadGruppefil();
    QString saveWebSL();
    QString gemGrupper() const;
    QString gemLager() const;

    int antal() const { return int(webSL.size() / 2); }
    QString adresse(int i) const { return webSL.value(2 * i); }
    QString kortNavn(int i) const { return webSL.value(2 * i + 1); }
    QStringList kortNavne() const;
    void tilfoej(const QString& url, const QString& navn);
    void ret(int i, const QString& url, const QString& navn);
    void fjern(QList<int> indekser);
    void byt(int i, int j);
    // Whole pairs by short name, in the order a Dane reads them.
    void sorter();

    // Why a name cannot be a new group (or the new name of gammel); empty when it can.
    QString afvisGruppenavn(const QString& navn, const QString& gammel = {}) const;
    QString nyGruppe(const QString& navn);
    // Renames a group in use or in the store, and its address file at once.
    QString omdoebGruppe(const QString& gammel, const QString& ny);
    // Removes the active group from the groups in use and deletes its
    // address file; false when there was no file. No group is active after.
    bool sletGruppe(QString* fejl);
    void sorterGrupper();

    // Every group with its addresses, the addresses without group first.
    QList<Webgruppe> alleGrupper() const;
    // Adds the web addresses of the groups, each to the group of its name
    // (made when new), skipping addresses the group has; antal gets how many came in.
    QString importer(const QList<Webgruppe>& grupper, int* antal);

    // The pairs of any group's file, read leniently.
    static QStringList laesPar(const QString& fil, QString* besked);
    // An address the browser may open: http, https or ftp, with a host.
    static bool erWebadresse(const QString& tekst);
    // base + the text percent-encoded as UTF-8.
    static QString soegeUrl(const QString& base, const QString& tekst);

private:
    // True when the active group's file exists but could not be read: it is
    // never written over then.
    bool m_ulaeseligt = false;
};

} // namespace kv
