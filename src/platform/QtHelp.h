#pragma once

#include "platform/Help.h"
#include "platform/HelpFile.h"

// Topic popups through QWhatsThis, and a small window listing every topic.
class QtHelp : public Help {
public:
    void setHelpFile(const QString& path) override;
    void showTopicPopup(int topic, QWidget* near) override;
    void showContents(QWidget* owner) override;
    void showIndex(QWidget* owner) override;

private:
    QString path_;
    HelpFile file_;
};
