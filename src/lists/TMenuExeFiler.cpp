#include "lists/TMenuExeFiler.h"
#include "platform/FileSystem.h"
#include "platform/Platform.h"
#include "platform/ProgramPath.h"
#include "platform/Programfil.h"
#include "platform/Skal.h"
#include "platform/TextFile.h"
#include "ui/Billeder.h"

#include <QPixmap>

namespace kv {

TMenuExeFiler::TMenuExeFiler(QObject* AOwner) : QObject(AOwner) {}

TMenuExeFiler::~TMenuExeFiler() = default;

QString TMenuExeFiler::beskadigetKopi(const QString& itemfile)
{
    return itemfile.left(itemfile.size() - extensionOf(itemfile).size()) + u" beskadiget.txt"_qs;
}

QIcon TMenuExeFiler::programIkon(const QString& sti)
{
    // A missing program keeps its place with an empty picture.
    if (!fileExists(sti)) {
        QPixmap tom(32, 32);
        tom.fill(Qt::transparent);
        return QIcon(tom);
    }
    if (!m_katalog)
        m_katalog = std::make_unique<Programkatalog>(Programkatalog::fraMiljoe());
    const QIcon i = m_katalog->ikon(sti);
    return i.isNull() ? kv::ikon(Billede::Program) : i;
}

QString TMenuExeFiler::HentProgrammer()
{
    Prog.clear();
    m_ikoner.clear();
    m_beskadiget.clear();
    if (FItemfile.isEmpty() || !fileExists(FItemfile))
        return {};
    QString fejl;
    const auto linjer = readTextLines(FItemfile, &fejl);
    if (!linjer)
        return u"Programlisten kunne ikke læses:\r"_qs + fejl;
    bool tal = false;
    const int antal = linjer->value(0).trimmed().toInt(&tal);
    // Only whole blocks are read: a count beyond them, or no count at all,
    // gives the programs that are there.
    const qsizetype hele = (linjer->size() - 1) / 4;
    const qsizetype n = tal && antal >= 0 ? std::min<qsizetype>(antal, hele) : hele;
    for (qsizetype i = 0; i < n; ++i) {
        const qsizetype l = 1 + 4 * i;
        TProgRec p{linjer->at(l), linjer->at(l + 1), linjer->at(l + 2), 1};
        p.ShowType = linjer->at(l + 3).trimmed() == u"3" ? 3 : 1;
        // A program listed twice is kept once, where it first stands.
        if (findFilnavn(p.Filnavn) >= 0)
            continue;
        Prog.append(p);
        m_ikoner.append(programIkon(p.Filnavn));
    }
    if (tal && antal >= 0 && antal <= hele)
        return {};
    m_beskadiget = *linjer;
    return u"Programlisten i filen:\r"_qs + FItemfile + u"\rvar beskadiget. De hele programmer er hentet, og filen gemmes som:\r"_qs
           + beskadigetKopi(FItemfile);
}

bool TMenuExeFiler::droppes(const TProgRec& p) const
{
    if (fileExists(p.Filnavn))
        return false;
    const Drive* drev = drives().driveOf(p.Filnavn);
    return drev && drives().rootExists(drev->letter);
}

QString TMenuExeFiler::GemProgrammer()
{
    if (FItemfile.isEmpty())
        return {};
    QString fejl;
    if (!m_beskadiget.isEmpty()) {
        if (!writeTextLines(beskadigetKopi(FItemfile), m_beskadiget, &fejl))
            return u"Programlisten kunne ikke gemmes i filen:\r"_qs + fejl;
        m_beskadiget.clear();
    }
    QStringList linjer{QString()};
    for (const TProgRec& p : std::as_const(Prog))
        if (!droppes(p))
            linjer << p.Caption << p.Filnavn << p.Parameter << QString::number(p.ShowType);
    linjer[0] = QString::number((linjer.size() - 1) / 4);
    if (!writeTextLines(FItemfile, linjer, &fejl))
        return u"Programlisten kunne ikke gemmes i filen:\r"_qs + fejl;
    return {};
}

void TMenuExeFiler::InsertItem(const QString& FNavn, const QString& MenuCaption, int ProgOpstart, const QString& Param)
{
    Prog.append({MenuCaption, FNavn, Param, quint8(ProgOpstart == 3 ? 3 : 1)});
    m_ikoner.append(programIkon(FNavn));
}

QString TMenuExeFiler::DeleteItem(int MenuNr)
{
    if (MenuNr < 0 || MenuNr >= Prog.size())
        return {};
    Prog.removeAt(MenuNr);
    m_ikoner.removeAt(MenuNr);
    const QString fejl = GemProgrammer();
    emit aendret();
    return fejl;
}

bool TMenuExeFiler::flytOp(int aIndex)
{
    if (aIndex < 1 || aIndex >= Prog.size())
        return false;
    Prog.swapItemsAt(aIndex - 1, aIndex);
    m_ikoner.swapItemsAt(aIndex - 1, aIndex);
    return true;
}

bool TMenuExeFiler::flytNed(int aIndex)
{
    return flytOp(aIndex + 1);
}

QString TMenuExeFiler::GetCaption(int MenuNr) const
{
    return MenuNr >= 0 && MenuNr < Prog.size() ? Prog[MenuNr].Caption : QString();
}

QString TMenuExeFiler::GetFilnavn(int MenuNr) const
{
    return MenuNr >= 0 && MenuNr < Prog.size() ? Prog[MenuNr].Filnavn : QString();
}

int TMenuExeFiler::findFilnavn(const QString& FNavn) const
{
    for (int i = 0; i < Prog.size(); ++i)
        if (sameTextAZ(Prog[i].Filnavn, FNavn))
            return i;
    return -1;
}

QString TMenuExeFiler::getAktuelleCaption() const
{
    return GetCaption(findFilnavn(FAktuelleProgram));
}

int TMenuExeFiler::OpenFilMedProgram(const QString& program, const QStringList& filer)
{
    const QList<QStringList> kommandoer = programKommandoer(program, filer);
    if (kommandoer.isEmpty())
        return fileExists(program) ? 11 : 2;
    for (const QStringList& k : kommandoer)
        if (const int svar = Skal::instance().startProgram(k, QString()); svar <= 32)
            return svar;
    return skalUdfoert;
}

} // namespace kv
