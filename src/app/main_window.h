#pragma once

#include "app/window_feedback.h"
#include "common/settings_file.h"
#include "lexicon/record_table.h"
#include "phonetics/phoneme_alphabet.h"
#include "phonetics/transcriber.h"
#include "speech/reading_commands.h"
#include "speech/speech_binding.h"

#include <QMainWindow>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QToolBar;
class QKeySequence;
class QModelIndex;
class QWidget;

namespace lexorama::wordforms {
class WordFormsModule;
}

namespace lexorama::app {

class EditPanel;
class EditPanelReader;
class LexiconGrid;
class LexiconTableModel;
class MainMenu;
class Prompts;
class RecordNavigator;

/// Where a file dialog starts: its folder and file name.
struct DialogPlace {
    QString directory;
    QString fileName;
};

/// The main window: owner of the lexicon table and of every command on it. Handlers are named
/// after their control and event and stay thin: core does the work, prompts_ speaks to the user.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    /// wordForms: the word-form data module, created before the window. speechEngine makes the
    /// speech engine. settingsPath: the XML settings file; the window reads it now and writes it
    /// when it closes.
    MainWindow(Prompts &prompts, wordforms::WordFormsModule &wordForms, speech::SpeechEngineFactory speechEngine,
               std::string settingsPath, QWidget *parent = nullptr);
    ~MainWindow() override;

    lexicon::RecordTable Table1;
    lexicon::RecordTable CurrentRecordTable;
    lexicon::RecordTable TempTable;
    lexicon::RecordTable DoubleTable;
    lexicon::RecordTable Table2;

    /// The executable's file name without folder and extension.
    static QString applicationTitle();
    /// Where the settings file lives: beside the executable if that folder is writable, else in
    /// the user's configuration folder.
    static std::string defaultSettingsPath();

    bool startingUp() const { return startingUp_; }
    QString statusText() const;
    QAction *menuAction(const QString &name) const;
    /// The work of the first activation; runs once.
    void FormActivate();

    // Commands.
    void OpenFileMenuItemClick();
    /// "Открыть" after the dialog: the file replaces the open lexicon.
    void openLexicon(const QString &path);
    void SaveFileWithBOMMenuItemClick();
    void SaveFileMenuItemClick();
    void NewFileMenuItemClick();
    void NewFileOnDiskMenuItemClick();
    void ExitMenuItemClick();
    void AddSpeedButtonClick();
    void SaveSpeedButtonClick();
    void DataSetDeleteExecute();
    void ColumnsButtonClick();
    void DeleteSelectedRecordsGrid1MenuItemClick();
    void DeleteUnSelectedRecordsGrid1MenuItemClick();
    void SelectAllFromDBGrid1MenuItemClick();
    void ClearSelectionGrid1MenuItemClick();
    void PageControl1Change();
    void LoadUserOptions();
    void SclonenieMenuItemClick();
    void PhonemePopupMenuItemClick();
    void UpdateMarkedPhonemesMenuItemClick();
    void CreateNewPhonemesMenuItemClick();
    void UpdateAllPhonemesMenuItemClick();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void FormCreate();
    void buildLayout();
    QWidget *buildSearchBar();
    QWidget *buildPages();
    QWidget *buildBottomBar();
    void buildActions();
    void wireCommands();
    void buildPopupMenus();
    QAction *popupItem(QWidget *owner, const char *caption, const char *name,
                       const std::function<void()> &handler = {});
    void deleteMarks(lexicon::RecordTable &table, LexiconTableModel *model, bool marked);
    void clearMarks(lexicon::RecordTable &table, LexiconTableModel *model);
    void Table1AfterScroll();
    void GraphemeEdit1EditingDone();
    bool FormCloseQuery();
    void showFileCaption(const QString &path);
    void emptyLexiconTables();
    void showLexiconPage();
    void showStatus(const QString &text);
    void RestoreProperties();
    void XMLPropStorage1RestoreProperties();
    void TTSInit();
    void ReinitTTSActionExecute();
    void showVoices();
    void wireSpeech();
    QAction *readingAction(const char *name, const QString &hint, const QKeySequence &key,
                           const std::function<void()> &command);
    void wirePhonetics();
    std::optional<std::string> transcribe(const QString &word);
    void showPanelPhoneme(const std::string &phoneme);
    void runTranscription(const std::function<void()> &command);
    std::size_t selectedGridField() const;
    void GraphemeEdit1Change();
    void CreatePhoneme();
    void PhonemeEditEditingDone();
    void PhonemesToggleBoxChange();
    void DBGrid2DblClick(const QModelIndex &index);
    void StoreProperties();

    Prompts &prompts_;
    wordforms::WordFormsModule &wordForms_;
    WindowFeedback feedback_;
    phonetics::Transcriber transcriber_;
    phonetics::PhonemeAlphabet alphabet_;
    speech::SpeechBinding tts_;
    std::unique_ptr<EditPanelReader> panelReader_;
    std::unique_ptr<speech::ReadingCommands> readingCommands_;
    std::string settingsPath_;
    SettingsFile settings_;
    bool startingUp_ = true;
    bool activated_ = false;
    bool closing_ = false;

    // Stored lists of the window (active dictionaries, user files) and dialog places.
    std::vector<std::string> List2;
    std::vector<std::string> UserFiles;
    QString SelectDicDirectoryDialogFileName;
    int ComboBox1ItemIndex = 0;
    DialogPlace IvonaDicOpenDialog;
    DialogPlace SaveDialog1;

    std::unique_ptr<MainMenu> menu_;
    EditPanel *Panel4 = nullptr;
    QLineEdit *FindLabeledEdit = nullptr;
    QComboBox *WordsComboBoxEx1 = nullptr;
    QPushButton *SortToggleBox1 = nullptr;
    QTabWidget *PageControl1 = nullptr;
    QWidget *TabSheet1 = nullptr;
    QWidget *TabSheet2 = nullptr;
    LexiconGrid *DBGrid1 = nullptr;
    LexiconGrid *DBGrid2 = nullptr;
    LexiconGrid *DBGrid3 = nullptr;
    LexiconGrid *DoubleDBGrid = nullptr;
    QLineEdit *DoublePhonemeEdit = nullptr;
    LexiconTableModel *DataSource1 = nullptr;
    LexiconTableModel *DataSource2 = nullptr;
    LexiconTableModel *DataSource3 = nullptr;
    LexiconTableModel *DataSourceDouble = nullptr;
    QToolBar *ToolBar1 = nullptr;
    QToolBar *ToolBar2 = nullptr;
    RecordNavigator *DBNavigator1 = nullptr;
    RecordNavigator *DBNavigator2 = nullptr;
    QLabel *StatusBar1 = nullptr;
    QAction *DataSetDelete = nullptr;
};

} // namespace lexorama::app
