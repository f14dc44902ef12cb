#include "lists/TwaForm.h"
#include "ui/Funktionsvaert.h"
#include "platform/FileSystem.h"
#include "platform/Skal.h"
#include "platform/Underproces.h"
#include "ui/Baggrundsjob.h"
#include "ui/Beskeder.h"

#include <QEvent>
#include <QElapsedTimer>
#include <QGridLayout>
#include <QThread>
#include <QLabel>
#include <QPushButton>
#include <memory>
#include <vector>

namespace kv {

// How long the scripts may take to say whether they have a tool.
static constexpr int undersoegGraense = 3000;

const QList<TwaForm::Applet>& TwaForm::applets()
{
    static const QList<Applet> liste = {
        {"winApp9", u"Kontrolpanel", u"Åbner kontrolpanelet med adgang til forskellige computerindstillinger",
         u"kontrolpanel.vbs"},
        {"winApp20", u"Windows firewall", u"Åbner kontrolpanelets side der angår Windows firewall",
         u"windows_firewall.vbs"},
        {"winApp4", u"Brugerkonti", u"Åbner kontrolpanelets side Brugerkonti/Brugerkonti", u"bruger_konti.vbs"},
        {"winApp12", u"Netværks forbindelser", u"Fører til Kontrolpanel/Netværk og internet/Netværksforbindelser",
         u"net_forbindelser.vbs"},
        {"winApp17", u"System oplysninger", u"Åbner en oversigt med oplysninger om systemets elementer",
         u"systemoplysninger.vbs"},
        {"winApp16", u"Egenskaber for system", u"Åbner en dialogboks med egenskaber for system",
         u"system_egenskaber.vbs"},
        {"winApp5", u"Dato og klokken", u"Åbner boks med mulighed for at indstille dato og klokkeslet", u"dato_tid.vbs"},
        {"winApp15", u"Område", u"Åbner en boks med mulighed for at bestemme sprog, dato og klokkesletsformater",
         u"region_sprog-info.vbs"},
        {"winApp13", u"ODBC", u"Åbner ODBC datakildeadministrator boksen", u"ODBC.vbs"},
        {"winApp18", u"Telefon og modem", u"Åbner boksen Telefon og modem", u"telefon_modem.vbs"},
        {"winApp10", u"Lyd", u"Åbner en boks angående afspilning, optagelse, lyde samt kommunikation", u"lyd.vbs"},
        {"winApp1", u"Sikkerhed", u"Åbner kontrolpanelets side der angår sikkerhed og vedligeholdelse",
         u"actioncenter.vbs"},
        {"winApp2", u"Programmer", u"Åbner kontrolpanelets side Programmer/Fjern et program",
         u"add_remove_programmer.vbs"},
        {"winApp19", u"Skærmopløsning",
         u"Fører til Kontrolpanel/Udseende og personlige indstillinger/Skærm/Skærmopløsning", u"vis_egenskaber.vbs"},
        {"winApp14", u"Strømstyring", u"Fører til Kontrolpanel/Hardware og lyd/Strømstyring", u"power_options.vbs"},
        {"winApp8", u"Internet indstillinger", u"Åbner en dialogboks med indstillinger for internettet",
         u"internet_egenskaber.vbs"},
        {"winApp22", u"Spilleenheder", u"Fører til boksen Spilleenheder", u"game_controllers.vbs"},
        {"winApp6", u"Enhedshåndtering", u"Viser en liste over enheder i computeren eller forbundet hermed",
         u"enhedshåndtering.vbs"},
        {"winApp11", u"Egenskaber for mus", u"Åbner boks hvor der kan bestemmes egenskaber for mus",
         u"mus_egenskaber.vbs"},
        {"winApp7", u"Skrifttyper", u"Fører til Kontrolpanel/Udseende og personlige indstillinger/Skrifttyper",
         u"fonts.vbs"},
    };
    return liste;
}

QString TwaForm::ingenVaerktoejHint(const QString& hint)
{
    return hint + u" (ikke muligt: computeren har intet program til dette)"_qs;
}

TwaForm::TwaForm(Funktionsvaert* hoved)
    : TFunktionsform(hoved, 4, QString::fromUtf16(funktion(4).navn)), m_undersoegelse(new Baggrundsjob(this)),
      m_tryk(new Baggrundsjob(this))
{
    auto* gitter = new QGridLayout(this);
    auto* overskrift = new QLabel(u"Nemadgang til forskellige Windows elementer"_qs);
    QFont f = overskrift->font();
    f.setBold(true);
    overskrift->setFont(f);
    gitter->addWidget(overskrift, 0, 0, 1, 2);
    int i = 0;
    for (const Applet& a : applets()) {
        auto* knap = new QPushButton(QString::fromUtf16(a.tekst));
        knap->setObjectName(QString::fromLatin1(a.knap));
        knap->setToolTip(QString::fromUtf16(a.hint));
        knap->installEventFilter(this);
        connect(knap, &QPushButton::clicked, this, [this, &a, knap] { koerApplet(a, knap); });
        gitter->addWidget(knap, 1 + i / 2, i % 2);
        m_knapper << knap;
        ++i;
    }
    auto* luk = new QPushButton(u"&Luk"_qs);
    luk->setObjectName(u"ButtonLuk"_qs);
    connect(luk, &QPushButton::clicked, this, &QWidget::close);
    auto* info = new QPushButton(u"&Information"_qs);
    info->setObjectName(u"ButtonInfo"_qs);
    connect(info, &QPushButton::clicked, this,
            [this] { this->hoved->InfoHelp(u"Window applets.html"_qs, u"Window applets"_qs); });
    const int sidst = 2 + (i + 1) / 2;
    gitter->setRowStretch(sidst, 1);
    gitter->addWidget(info, sidst + 1, 0);
    gitter->addWidget(luk, sidst + 1, 1);
    undersoeg();
}

QString TwaForm::skriptsti(const Applet& a) const
{
    return hoved->stier().appletsDir + QString::fromUtf16(a.skript);
}

void TwaForm::ingenVaerktoej(QPushButton* knap, const Applet& a)
{
    knap->setEnabled(false);
    knap->setToolTip(ingenVaerktoejHint(QString::fromUtf16(a.hint)));
}

void TwaForm::undersoeg()
{
    // A missing script keeps its button: pressing it says the file is missing.
    QStringList skripter;
    for (const Applet& a : applets())
        skripter << (fileExists(skriptsti(a)) ? skriptsti(a) : QString());
    m_undersoegelse->start([this, skripter](Baggrundsjob::Kontekst& k) {
        // All at once, under one limit: twenty scripts that never answer
        // cost the limit once, and the stopped ones count as answered.
        std::vector<std::unique_ptr<Underproces>> boern;
        for (const QString& s : skripter) {
            boern.push_back(std::make_unique<Underproces>());
            if (!s.isEmpty())
                boern.back()->start(s, {u"--vis"_qs});
        }
        QElapsedTimer ur;
        ur.start();
        std::vector<bool> svaret(boern.size());
        for (bool alle = false; !alle && !k.stoppet() && ur.elapsed() < undersoegGraense;) {
            alle = true;
            for (size_t i = 0; i < boern.size(); ++i) {
                if (svaret[i])
                    continue;
                if (boern[i]->koerer()) {
                    alle = false;
                    continue;
                }
                svaret[i] = true;
                if (boern[i]->udfald() == 1)
                    k.lever([this, i] { ingenVaerktoej(m_knapper[qsizetype(i)], applets()[qsizetype(i)]); });
            }
            if (!alle)
                QThread::msleep(5);
        }
    });
}

bool TwaForm::undersoeger() const
{
    return m_undersoegelse->koerer();
}

void TwaForm::koerApplet(const Applet& a, QPushButton* knap)
{
    const QString sti = skriptsti(a);
    if (!fileExists(sti)) {
        hoved->ErrorInfo(2);
        return;
    }
    // The tool may have gone since the window opened. The script runs as a
    // job, so the window answers meanwhile.
    m_tryk->start([this, &a, knap, sti](Baggrundsjob::Kontekst& k) {
        auto udfald = koerOgVent(undersoegGraense, sti, {u"--vis"_qs}, {}, {}, [&k] { return k.stoppet(); });
        if (k.stoppet())
            return;
        k.lever([this, &a, knap, udfald] { appletSvar(a, knap, udfald); });
    });
}

void TwaForm::appletSvar(const Applet& a, QPushButton* knap, std::optional<int> udfald)
{
    const QString sti = skriptsti(a);
    if (udfald == 1) {
        ingenVaerktoej(knap, a);
        visInformation(u"Programmet til \"%1\" findes ikke længere på computeren."_qs.arg(knap->text()));
        return;
    }
    if (udfald != 0) {
        visInformation(u"Scriptet \"%1\" kunne ikke finde et program.\rFejlkode: %2"_qs.arg(
            QString::fromUtf16(a.skript), udfald ? QString::number(*udfald) : u"-"_qs));
        return;
    }
    const int svar = Skal::instance().aabn(sti, false);
    if (svar <= 32)
        hoved->ErrorInfo(svar);
}

bool TwaForm::eventFilter(QObject* obj, QEvent* event)
{
    // The hint also on the status bar, for a disabled button too.
    if (event->type() == QEvent::Enter)
        if (auto* knap = qobject_cast<QPushButton*>(obj))
            hoved->UdskrivInfo(knap->toolTip());
    return TFunktionsform::eventFilter(obj, event);
}

} // namespace kv
