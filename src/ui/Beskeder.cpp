#include "ui/Beskeder.h"

#include <QApplication>
#include <QMessageBox>

namespace kv {

static QString linjer(QString tekst)
{
    return tekst.replace(u"\r\n"_qs, u"\n"_qs).replace(u'\r', u'\n');
}

void visInformation(const QString& tekst)
{
    QMessageBox box(QMessageBox::Information, QApplication::applicationDisplayName(), linjer(tekst),
                    QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

void visFejl(const QString& tekst)
{
    QMessageBox box(QMessageBox::Critical, QApplication::applicationDisplayName(), linjer(tekst),
                    QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

} // namespace kv
