#include "calendar/Talarmform.h"
#include "calendar/Alarmlyde.h"
#include "calendar/TAlarmRecord.h"
#include "platform/Skrivebordsbesked.h"
#include "platform/TextFile.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QBoxLayout>

namespace kv {

Talarmform::Talarmform(const QString& lydfilDir, QWidget* parent)
    : QDialog(parent), alarmMemo(new QPlainTextEdit), ButtonLuk(new QPushButton(u"&Luk"_qs)),
      ButtonUdsaet(new QPushButton(u"&Udsæt 5 min"_qs)), m_lydfilDir(lydfilDir)
{
    setObjectName(u"alarmform"_qs);
    setWindowTitle(u"Alarm"_qs);
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setModal(false);
    alarmMemo->setObjectName(u"alarmMemo"_qs);
    alarmMemo->setReadOnly(true);
    ButtonLuk->setObjectName(u"ButtonLuk"_qs);
    auto* l = new QVBoxLayout(this);
    l->addWidget(alarmMemo);
    ButtonUdsaet->setObjectName(u"ButtonUdsaet"_qs);
    ButtonUdsaet->setToolTip(u"Lad alarmen lyde igen om 5 minutter"_qs);
    auto* knapper = new QHBoxLayout;
    knapper->addStretch();
    knapper->addWidget(ButtonUdsaet);
    knapper->addWidget(ButtonLuk);
    l->addLayout(knapper);
    resize(380, 240);
    connect(ButtonLuk, &QPushButton::clicked, this, &Talarmform::ButtonLukClick);
    connect(ButtonUdsaet, &QPushButton::clicked, this, [this] {
        if (m_alarm) {
            s_tekster.insert(m_alarm->navn(), alarmMemo->toPlainText());
            emit udsaet(*m_alarm);
        }
        close();
    });
}

Talarmform::~Talarmform()
{
    Alarmlyde::instance().stop(this);
}

bool Talarmform::showAlarm(const QString& caption, const QString& filnavn)
{
    const auto tekst = readTextLines(filnavn);
    const QString gemt = s_tekster.value(filnavn.section(u'\\', -1));
    alarmMemo->setPlainText(tekst ? tekst->join(u'\n') : !gemt.isEmpty() ? gemt : u"Alarmens tekst blev ikke fundet."_qs);
    setWindowTitle(caption);
    if (parentWidget())
        move(parentWidget()->geometry().center() - rect().center());
    show();
    raise();
    activateWindow();
    ButtonLuk->setFocus();
    return tekst.has_value();
}

void Talarmform::playAlarm(const TAlarmRecord& alarm, bool forsinket)
{
    m_alarm = std::make_unique<TAlarmRecord>(alarm);
    showAlarm(alarm.overskrift, alarm.tekstfilnavn);
    visSkrivebordsbesked(alarm.overskrift, alarmMemo->toPlainText());
    if (forsinket)
        alarmMemo->appendPlainText(u"\n(Forsinket: alarmen skulle have lydt kl. "_qs + alarm.timeS + u":"_qs
                                   + alarm.minutS + u".)"_qs);
    if (!Alarmlyde::instance().spil(this, alarmLydfil(m_lydfilDir, alarm.alarmfil), qMax(1, int(alarm.gentagelse))))
        emit besked(u"Ingen lydenhed"_qs);
    // A one-time alarm has rung: its files go. One that stays is said here, in the window that is open anyway.
    QString fejl;
    if (alarm.alarmtype == 1 && !sletAlarmfiler(alarm, &fejl)) {
        alarmMemo->appendPlainText(u"\n(Alarmens filer kunne ikke slettes: "_qs + fejl + u")"_qs);
        emit besked(u"Alarmens filer kunne ikke slettes"_qs);
    }
}

void Talarmform::ButtonLukClick()
{
    close();
}

void Talarmform::done(int r)
{
    Alarmlyde::instance().stop(this);
    setWindowTitle(u"Alarm"_qs);
    alarmMemo->clear();
    QDialog::done(r);
    if (testAttribute(Qt::WA_DeleteOnClose))
        deleteLater();  // Esc hides a dialog without closing it
}

} // namespace kv
