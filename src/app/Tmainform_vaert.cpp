// What function windows, the pages and the picture box ask of the program:
// the main window's side of the host interface.
#include "app/THandlingsliste.h"
#include "app/Tmainform.h"
#include "fileops/THandlinger.h"
#include "ui/TFunktionsform.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>

namespace kv {

QString Tmainform::struktur2Mappe() const
{
    return funk ? funk->FFilMappe : QString();
}

QString Tmainform::aktueltElement() const
{
    return funk ? funk->FFilnavn : QString();
}

int Tmainform::aktivStruktur() const
{
    return funk ? funk->AktiveStruktur() : 0;
}

QString Tmainform::stiFelt() const
{
    return EditSti->text();
}

void Tmainform::vedValgSkift(QObject* modtager, std::function<void()> handling)
{
    for (QTreeWidget* t : {MappeStruktur, FilStruktur, FilStruktur2})
        connect(t, &QTreeWidget::itemSelectionChanged, modtager, handling, Qt::QueuedConnection);
}

void Tmainform::visIStruktur2(const QString& mappe, bool aktiver)
{
    if (!funk)
        return;
    if (aktiver)
        funk->setAktiveStruktur(2);
    funk->makeStruktur2(mappe, true);
    DirectoryChange(true);
}

void Tmainform::visListeIStruktur2(const QStringList& elementer)
{
    if (!funk)
        return;
    QStringList liste = elementer;
    funk->makeHistoryStruktur(liste);
    funk->setAktiveStruktur(2);
}

void Tmainform::udfoldIStruktur1(const QString& mappe)
{
    if (!funk)
        return;
    funk->setAktiveStruktur(1);
    funk->udfoldMappe(mappe);
    DirectoryChange(false);
}

void Tmainform::registrerElementer(const QStringList& elementer)
{
    if (!funk)
        return;
    for (const QString& e : elementer)
        funk->RegisterElements(e);
    handlinger->planlaegOpdatering();
}

void Tmainform::saetBogTekst(const QString& tekst)
{
    bogTekstLabel->setText(tekst);
}

void Tmainform::bindHandling(const char* navn, std::function<void()> udfoer, std::function<bool()> aktiv)
{
    handlinger->bind(navn, std::move(udfoer), std::move(aktiv));
}

void Tmainform::opdaterHandlinger()
{
    handlinger->planlaegOpdatering();
}

void Tmainform::koerFil(const QString& fil)
{
    fileRunNumber = 0;
    runFilname(fil);
}

QCheckBox* Tmainform::funktionsBoks(int nummer) const
{
    return findChild<QCheckBox*>(QString::fromUtf16(funktion(nummer).boks));
}

void Tmainform::funktionAabnet(int nummer, TFunktionsform* form)
{
    m_funktioner[nummer] = form;
    m_aabningsorden.removeAll(form);
    m_aabningsorden.append(form);
}

void Tmainform::funktionLukket(int nummer)
{
    m_aabningsorden.removeAll(m_funktioner[nummer]);
    m_funktioner[nummer] = nullptr;
    // The help window's page is forgotten with it.
    if (nummer == 6)
        webSide.clear();
}

} // namespace kv
