#include "app/ui/about_box.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

static void registerProgramPictures()
{
    Q_INIT_RESOURCE(quorvex);
}

namespace qx {

namespace {

void ensureRegistered()
{
    static const bool registered = [] {
        registerProgramPictures();
        return true;
    }();
    (void)registered;
}

// The about box keeps its own design fonts: it scales and centres like every window, but the
// user's three fonts are for windows in which the user reads and types.
DialogLook withDesignFonts(DialogLook look)
{
    look.labelFont = UserFont{};
    look.editFont = UserFont{};
    look.buttonFont = UserFont{};
    return look;
}

} // namespace

QPixmap programPicture(const QString &name)
{
    ensureRegistered();
    return QPixmap(QStringLiteral(":/icons/%1.xpm").arg(name));
}

QIcon programIcon()
{
    return QIcon(programPicture(QStringLiteral("quorvex")));
}

QStringList programPictureNames()
{
    ensureRegistered();
    QStringList names;
    for (const QString &file : QDir(QStringLiteral(":/icons")).entryList(QDir::Files, QDir::Name))
        names << file.chopped(4);
    return names;
}

AboutBox::AboutBox(const DialogLook &look, QWidget *parent)
    : ConventionalDialog(withDesignFonts(look), QSize(300, 150), parent)
{
    setWindowTitle(tr("About"));

    auto *icon = new QLabel(this);
    const int size = scaledBy(48, look.screenFactor);
    icon->setPixmap(
        programPicture(QStringLiteral("quorvex")).scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    icon->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    // Bold by markup: the fonts applied when the window is shown carry no style of their own.
    auto *product = new QLabel(QStringLiteral("<b>%1</b>").arg(tr("Quorvex 98")), this);
    QFont productFont = product->font();
    productFont.setPointSizeF(productFont.pointSizeF() * 1.6);
    product->setFont(productFont);
    auto *version = new QLabel(tr("Version 3.1"), this);

    auto *texts = new QVBoxLayout;
    texts->addWidget(product);
    texts->addWidget(version);
    texts->addStretch();

    auto *top = new QHBoxLayout;
    top->setSpacing(scaledBy(16, look.screenFactor));
    top->addWidget(icon);
    top->addLayout(texts, 1);

    auto *ok = new QPushButton(tr("&Ok"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addStretch();

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(buttons);

    setWindowIcon(programIcon());
}

} // namespace qx
