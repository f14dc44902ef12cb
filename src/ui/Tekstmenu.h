#pragma once
// The Danish right-click menu of a memo: "Annuller", "Klip", "Kopier",
// "Sæt ind", "Vælg alt" and "Slet", with their hints; the keys are Ctrl+Alt
// with the usual letter, and Del.
class QMenu;
class QPlainTextEdit;

namespace kv {

// Gives the memo the menu and its keys.
void saetTekstmenu(QPlainTextEdit* memo);
// The menu as it is shown now, for the memo's actions.
QMenu* lavTekstmenu(QPlainTextEdit* memo);

} // namespace kv
