#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QKeyEvent;
class QLineEdit;
class QPushButton;

// The modal dialog that gives a level's width, height, episode and whether
// it is the episode's map level. The caller fills the controls, shows the
// dialog, then reads Cancelled and the controls.
//
// The size boxes take digits and Backspace only (and the editing keys:
// selecting, copying, cutting, undoing). OK checks the sizes against the
// editor's limits; a level's current size, set with SetCurrentSize, raises
// the upper limit to that size, since the game's own levels can be larger
// and changing only the episode or the map flag must never cut a level.
// A warning line tells, as the sizes are typed, when the game could not
// load a level of that size.
class frmProperties : public QDialog {
    Q_OBJECT
public:
    static constexpr int MinWidth = 24;
    static constexpr int MaxWidth = 170;
    static constexpr int MinHeight = 17;
    static constexpr int MaxHeight = 170;

    explicit frmProperties(QWidget* parent = nullptr);

    // True until the dialog is closed by an OK that passed the checks.
    bool Cancelled = true;

    QLabel* Label1 = nullptr;
    QLineEdit* txtWidth = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* txtHeight = nullptr;
    QLabel* Label3 = nullptr;
    QComboBox* lstEpisode = nullptr;
    QCheckBox* chkMapLevel = nullptr;
    // Empty, or why the game could not load a level of the typed size.
    QLabel* lblSizeWarning = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;

    void OKButton_Click();
    void CancelButton_Click();
    // `KeyAscii` is the typed character; set to 0 it is discarded.
    void txtWidth_KeyPress(int& KeyAscii);
    void txtHeight_KeyPress(int& KeyAscii);

    // Fills the size boxes with a level's current size and accepts sizes up
    // to it on OK even beyond the limits.
    void SetCurrentSize(int width, int height);
    // Chooses the list entry of `episode`; an episode outside 1..3 leaves
    // no entry chosen, and OK then asks for one.
    void SetEpisode(int episode);
    // The chosen episode 1..3, or 0 when none is chosen.
    int ChosenEpisode() const;
    // The numeric values of the size boxes.
    int WidthValue() const;
    int HeightValue() const;

    // A number as the file names' numbers are read: blanks (spaces, tabs,
    // line breaks) ignored wherever they stand, then the value of the
    // leading digits; 0 when there are none. Very long numbers stop growing
    // at 999999, which is out of every range anyway.
    static int NumberValue(const QString& text);
    // The size boxes' rule: digits and Backspace go through, every other
    // character becomes 0.
    static int FilterKeyAscii(int keyAscii);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    void MakeDigitBox(QLineEdit* box);
    bool FilterKeyEvent(QLineEdit* box, QKeyEvent* event);
    // The message when `value` lies outside min .. the larger of max and
    // `current` and is not `current`; empty when it is accepted.
    static QString SizeError(const QString& name, int value, int min, int max, int current);
    void ShowError(const QString& text);
    void UpdateSizeWarning();

    int m_CurrentWidth = -1;
    int m_CurrentHeight = -1;
};
