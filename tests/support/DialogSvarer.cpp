#include "DialogSvarer.h"
#include "fileops/Tkopieringsform.h"
#include "ui/TspmForm.h"

#include <QApplication>
#include <QMessageBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace kvtest {

DialogSvarer::DialogSvarer(bool svar) : ja(svar)
{
    connect(&m_timer, &QTimer::timeout, this, &DialogSvarer::kig);
    m_timer.start(10);
}

void DialogSvarer::kig()
{
    QWidget* w = QApplication::activeModalWidget();
    if (!w)
        return;
    if (auto* box = qobject_cast<QMessageBox*>(w)) {
        tekster << box->text();
        box->accept();
    } else if (auto* spm = qobject_cast<kv::TspmForm*>(w)) {
        tekster << spm->info->toPlainText();
        if (auto* k = knapper.isEmpty() ? nullptr : spm->findChild<QPushButton*>(knapper.takeFirst()))
            k->click();
        else
            ja ? spm->accept() : spm->reject();
    } else if (auto* kopi = qobject_cast<kv::Tkopieringsform*>(w)) {
        tekster << kopi->LabelSpm->text();
        if (foerSvar)
            foerSvar();
        ja ? kopi->accept() : kopi->reject();
    }
}

} // namespace kvtest
