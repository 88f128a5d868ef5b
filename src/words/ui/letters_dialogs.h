#pragma once
// The two settings windows about the characters of words.
//
// "Word Separator Characters" chooses which characters inside words the printed grid shows as
// themselves instead of an empty square: dash, slash, plus, star and one of the user's choosing.
// Each box takes effect as it is clicked; "&Ok" only closes.
//
// "International Characters" assigns a character (codes 192..255) to each of F1..F12, which the
// windows that take words then type. "&Ok" keeps the choices, "&Cancel" drops them.
//
// Both fill their controls from the settings when they open without running their change
// handlers, so opening never changes a setting nor shows a message.

#include "common/ui/dialog_conventions.h"

#include <array>

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace qx {

struct Settings;
class UiHost;

class WordSeparatorsDialog : public ConventionalDialog {
    Q_OBJECT

public:
    WordSeparatorsDialog(const DialogLook &look, Settings &settings, UiHost &host, QWidget *parent = nullptr);

    QCheckBox *dash() const { return m_dash; }
    QCheckBox *slash() const { return m_slash; }
    QCheckBox *plus() const { return m_plus; }
    QCheckBox *star() const { return m_star; }
    QCheckBox *other() const { return m_other; }
    QLineEdit *otherChar() const { return m_char; }

    void onWordSepCharChanged(const QString &text);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void formShow();

    Settings &m_settings;
    UiHost &m_host;
    bool m_shown = false;
    QCheckBox *m_dash = nullptr;
    QCheckBox *m_slash = nullptr;
    QCheckBox *m_plus = nullptr;
    QCheckBox *m_star = nullptr;
    QCheckBox *m_other = nullptr;
    QLineEdit *m_char = nullptr;
};

class InternationalCharactersDialog : public ConventionalDialog {
    Q_OBJECT

public:
    InternationalCharactersDialog(const DialogLook &look, Settings &settings, QWidget *parent = nullptr);

    // The list of key k (1..12).
    QComboBox *list(int k) const { return m_lists[static_cast<size_t>(k - 1)]; }

    void onOkButtonClicked();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void formShow();

    Settings &m_settings;
    bool m_shown = false;
    std::array<QComboBox *, 12> m_lists{};
};

} // namespace qx
