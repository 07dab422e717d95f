#pragma once

#include "platform/MessageBox.h"

// Message boxes shown with QMessageBox, with French button texts.
class QtMessageBox : public MessageBox {
public:
    int show(const QString& text, int flags, const QString& title) override;
};
