#pragma once
// What the window suites open their windows in: the whole program through the real Qt host, with
// a copy of the sample collection open, and helpers that run a window modally as the program does.

#include "builder/grid_builder.h"
#include "lexicon/ui/dictionary_maintenance_dialog.h"
#include "report/ui/preview_window.h"
#include "store/collection_file.h"

#include "support/real_host.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPrinter>

#include <gtest/gtest.h>

#include <array>

namespace qx::test {

// The program with the sample collection open, and a folder outside the watched ones for what the
// scenario prints to PDF.
struct Scene {
    RealProgram p;
    TempDir printed;
    PuzzleRecord record;
    CandidateSlots candidates;
    std::array<uint8_t, MaxWords> filledIn{};

    Scene()
    {
        const auto r = CollectionFile(p.collection()).read(0);
        EXPECT_TRUE(r);
        if (r)
            record = *r;
    }
    DialogLook look() const { return p.session.look(); }
    PreviewWindow::PrinterFactory pdfPrinter()
    {
        return [this] {
            auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(printed.file(QStringLiteral("printed.pdf")));
            return printer;
        };
    }
    // Runs a menu command of the main window; its window runs modally inside.
    QWidget *command(const char *name)
    {
        QAction *a = p.window->findChild<QAction *>(QString::fromLatin1(name));
        EXPECT_TRUE(a && a->isEnabled()) << name;
        if (a && a->isEnabled())
            a->trigger();
        return nullptr;
    }
    // Adds a word to the user's word list through Add To Dictionary and leaves with OK; the box
    // that comes next is answered with OK.
    void addWordToUsersList(ModalAnswerer &a)
    {
        a.drive([](QWidget *w) {
            auto *d = qobject_cast<DictionaryMaintenanceDialog *>(w);
            ASSERT_TRUE(d);
            d->addInfo()->setText(QStringLiteral("Zorbleq"));
            clickButton(d, QStringLiteral("AddButton"));
            clickButton(d, QStringLiteral("OkButton"));
            if (QApplication::activeModalWidget() == d)
                dismiss(d);
        });
        a.press(QStringLiteral("OK"));
        command("MenuAddToDictionary");
    }
    // Runs a dialog of ours modally through the real host.
    QWidget *modal(QDialog &dialog)
    {
        p.host.runModal(dialog);
        return nullptr;
    }
};

} // namespace qx::test
