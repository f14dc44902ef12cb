#include "calendar/Talarmform.h"
#include "calendar/TAlarmRecord.h"
#include "platform/Lyd.h"
#include "platform/TextFile.h"

#include <QCloseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kv {

Talarmform::Talarmform(const QString& lydfilDir, QWidget* parent)
    : QDialog(parent), alarmMemo(new QPlainTextEdit), ButtonLuk(new QPushButton(u"&Luk"_qs)), m_lydfilDir(lydfilDir)
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
    l->addWidget(ButtonLuk, 0, Qt::AlignRight);
    resize(380, 240);
    connect(ButtonLuk, &QPushButton::clicked, this, &Talarmform::ButtonLukClick);
}

bool Talarmform::showAlarm(const QString& caption, const QString& filnavn)
{
    const auto tekst = readTextLines(filnavn);
    alarmMemo->setPlainText(tekst ? tekst->join(u'\n') : u"Alarmens tekst blev ikke fundet."_qs);
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
    // Taken out of the list before it shows, so events meanwhile cannot ring it again.
    showAlarm(alarm.overskrift, alarm.tekstfilnavn);
    if (forsinket)
        alarmMemo->appendPlainText(u"\n(Forsinket: alarmen skulle have lydt kl. "_qs + alarm.timeS + u":"_qs
                                   + alarm.minutS + u".)"_qs);
    if (!Lyd::instance().spil(alarmLydfil(m_lydfilDir, alarm.alarmfil), qMax(1, int(alarm.gentagelse))))
        emit besked(u"Ingen lydenhed"_qs);
    if (alarm.alarmtype == 1)
        sletAlarmfiler(alarm);
}

void Talarmform::ButtonLukClick()
{
    close();
}

void Talarmform::closeEvent(QCloseEvent* event)
{
    Lyd::instance().stop();
    setWindowTitle(u"Alarm"_qs);
    alarmMemo->clear();
    QDialog::closeEvent(event);
}

} // namespace kv
