// The kinds of document the keyboard and menu pages offer beside the frame: each
// multiple-document template with a menu of its own, listed once per menu resource under its
// file-new name.
#pragma once
#include <afxwin.h>
#include <afxdoctempl.h>

// Adds the templates to the combo box, each with the template as item data.
void AddDocumentTemplateChoices(CComboBox& ioCombo);
// The template's own icon, else the application icon.
HICON DocumentTemplateIcon(const CMultiDocTemplate& iTemplate);
// The icon of the window's class, else the application icon.
HICON WindowClassIcon(const CWnd& iWindow);
