// The main window's Find and Find Next.
#include <QTextCursor>

#include "platform/dialogs.h"
#include "ui/app/find_dialog.h"
#include "ui/app/main_window.h"

namespace strumbly {

void TfrmMain::Find1Click() {
  if (!frmfind) return;
  dialogs().Exec(*frmfind);
  switch (frmfind->result()) {
    case Tfrmfind::Found: {
      QTextCursor found = RichEdit1->textCursor();
      found.setPosition(frmfind->FoundStart());
      found.setPosition(frmfind->FoundStart() + frmfind->FoundLength(), QTextCursor::KeepAnchor);
      RichEdit1->setTextCursor(found);
      break;
    }
    case Tfrmfind::NotFound:
      dialogs().Message(this, MessageKind::Information, frmfind->NotFoundMessage(), MessageButtons::Ok);
      break;
    default:
      break;
  }
  RefreshCurrentLine();  // the neck shows the line of the match
  FocusEditor();
}

void TfrmMain::FindNext1Click() {
  if (!frmfind) return;
  if (frmfind->SearchText().isEmpty()) {
    Find1Click();
    return;
  }
  if (!frmfind->FindNextMatch())
    dialogs().Message(this, MessageKind::Information, frmfind->NotFoundMessage(), MessageButtons::Ok);
  RefreshCurrentLine();
  FocusEditor();
}

}  // namespace strumbly
