#pragma once
// "Dictionary Maintenance": edits one of the user's two word lists of a language, the words
// counted as right ("&Add to Dictionary") or those counted as wrong ("&Exclude From Dictionary").
// "&Ok" writes the list file whole; "&Cancel" leaves it as it was. The window scales and centres
// itself but keeps its own fonts.

#include "common/ui/dialog_conventions.h"

class QLabel;
class QLineEdit;
class QListWidget;

namespace qx {

class UiHost;

enum class UserList { Include, Exclude };

class DictionaryMaintenanceDialog : public ConventionalDialog {
    Q_OBJECT

public:
    // language 1..8; its list file lies in the program directory.
    DictionaryMaintenanceDialog(const DialogLook &look, UiHost &host, const QString &programDir, int language,
                                UserList list, QWidget *parent = nullptr);

    QString listPath() const { return m_path; }
    QLabel *headLabel() const { return m_heading; }
    QListWidget *theList() const { return m_list; }
    QLineEdit *addInfo() const { return m_addInfo; }

    void addWord();
    void deleteWord();
    void acceptEntries();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void fillControls();

    UiHost &m_host;
    QString m_path;
    QLabel *m_heading = nullptr;
    QListWidget *m_list = nullptr;
    QLineEdit *m_addInfo = nullptr;
    bool m_shown = false;
};

} // namespace qx
