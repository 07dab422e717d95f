#include "periphery/Apropos.h"

#include "shell/Contexte.h"
#include "shell/FormRegistry.h"
#include "shell/Routines.h"
#include "shell/StartupChecks.h"
#include "shell/controls/FXLabel.h"
#include "shell/controls/FXShape.h"
#include "shell/controls/MouseArgs.h"

#include <QLabel>
#include <QPainter>
#include <QPainterPath>

const QString Apropos::MailAddress = QStringLiteral("contact@valimor.example");
const QString Apropos::WebSite = QStringLiteral("http://www.valimor.example/");

namespace {
constexpr int BoxWidth = 540;

// The program's icon: a rounded badge with the initial of the product.
QPixmap programIcon() {
    QPixmap icon(64, 64);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath badge;
    badge.addRoundedRect(QRectF(2, 2, 60, 60), 14, 14);
    painter.fillPath(badge, QColor(0xf0, 0x8c, 0x28));
    painter.setPen(QPen(Qt::white, 3));
    painter.drawPath(badge);
    painter.setFont(QFont(QStringLiteral("DejaVu Sans"), 30, QFont::Bold));
    painter.drawText(icon.rect(), Qt::AlignCenter, QStringLiteral("B"));
    return icon;
}
} // namespace

Apropos::Apropos(Contexte& contexte)
    : Form(contexte, QStringLiteral("Apropos")), Image1(new QLabel(this)) {
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setWindowTitle(QStringLiteral("A propos de ") + StartupChecks::ProductTitle);
    setFixedSize(BoxWidth, 360);
    setMouseTracking(true);

    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(programIcon());
    Image1->setGeometry(24, 20, 64, 64);

    FXLabel1 = makeLabel(QStringLiteral("FXLabel1"), StartupChecks::ProductTitle, 24, 40);
    FXLabel1->setFont(QFont(QStringLiteral("DejaVu Sans"), 20, QFont::Bold));
    FXLabel1->setForeColor(0x00FFFF);
    lblVersion = makeLabel(QStringLiteral("lblVersion"), QStringLiteral("Version   1.1.3"), 64, 24);
    FXLabel2 = makeLabel(QStringLiteral("FXLabel2"),
                         QStringLiteral("Conçu et réalisé par l'équipe VALIMOR"), 110, 24);
    Label2 = makeLabel(QStringLiteral("Label2"),
                       QStringLiteral("Merci à notre voix anglaise pour tous les mots et les "
                                      "phrases que tu entends"),
                       138, 40);
    Label1 = makeLabel(QStringLiteral("Label1"),
                       QStringLiteral("Envoyer un email : ") + MailAddress, 196, 24);
    Label4 = makeLabel(QStringLiteral("Label4"), QStringLiteral("Visiter notre site : ") + WebSite,
                       226, 24);
    for (FXLabel* link : {Label1, Label4}) {
        link->setForeColor(LinkAtRest);
        link->setCursor(Qt::PointingHandCursor);
        connect(link, &FXLabel::mouseMoved, this, [link] { link->setForeColor(LinkHovered); });
    }
    connect(Label1, &FXLabel::clicked, this,
            [this] { openLink(Label1, QStringLiteral("mailto:") + MailAddress); });
    connect(Label4, &FXLabel::clicked, this, [this] { openLink(Label4, WebSite); });

    const char* const captions[] = {"Aide", "Quitter"};
    for (int i = 0; i < 2; ++i) {
        auto* button = new FXShape(QStringLiteral("cmdOK"), i, this);
        button->setCaption(QString::fromUtf8(captions[i]));
        button->setColor(i == 0 ? 0x40A040 : 0x4040C0);
        button->setGeometry(BoxWidth / 2 - 170 + i * 190, 284, 150, 46);
        button->hide();
        connect(button, &FXShape::pressed, this,
                [this](int index, int mouse) { buttonPressed(index, mouse); });
        connect(button, &FXShape::clicked, this, [this](int index) { buttonClicked(index); });
        cmdOK[static_cast<size_t>(i)] = button;
    }
}

FXLabel* Apropos::makeLabel(const QString& name, const QString& caption, int y, int height) {
    auto* label = new FXLabel(name, -1, this);
    label->setCaption(caption);
    label->setForeColor(0xFFFFFF);
    label->setFont(QFont(QStringLiteral("DejaVu Sans"), 11));
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setGeometry(104, y, BoxWidth - 124, height);
    return label;
}

void Apropos::onActivate() {
    for (FXShape* button : cmdOK)
        button->show();
}

void Apropos::mouseMoveEvent(QMouseEvent* event) {
    for (FXLabel* link : {Label1, Label4})
        link->setForeColor(LinkAtRest);
    Form::mouseMoveEvent(event);
}

void Apropos::openLink(FXLabel* link, const QString& address) {
    if (ShellOpen* shell = ctx().platform().shellOpen.get())
        shell->open(address, this);
    link->setForeColor(LinkVisited);
}

void Apropos::buttonPressed(int index, int button) {
    if (button != MouseArgs::Left)
        return;
    PlayEffect(ctx(), 1);
    cmdOK[static_cast<size_t>(index)]->setPressedLook();
}

void Apropos::buttonClicked(int index) {
    cmdOK[static_cast<size_t>(index)]->clearPressedLook();
    if (index == 0) {
        ctx().platform().help->showContents(this);
        return;
    }
    ctx().forms().unload(formName());
}
