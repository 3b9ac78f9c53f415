#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QKeyEvent;
class QLabel;
class QLineEdit;

// Level, Properties and File, New: a level's width, height, episode and
// whether it is the episode's map level. The caller fills in the values,
// runs the dialog and, when it was accepted, takes the chosen ones.
//
// The size boxes take digits only (and the editing keys: selecting,
// copying, cutting, undoing). OK checks the sizes against the editor's
// limits; a level's current size, given with setCurrentSize, raises the
// upper limit to that size, since the game's own levels can be larger and
// changing only the episode or the map flag must never cut a level. A
// warning line tells, as the sizes are typed, when the game could not load
// a level of that size.
class LevelPropertiesDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int MinWidth = 24;
    static constexpr int MaxWidth = 170;
    static constexpr int MinHeight = 17;
    static constexpr int MaxHeight = 170;

    explicit LevelPropertiesDialog(QWidget* parent = nullptr);

    // Fills the size boxes with a level's current size and accepts sizes up
    // to it on OK even beyond the limits.
    void setCurrentSize(int width, int height);
    // Fills the size boxes with a size offered for a new level; typing a
    // width replaces the one offered.
    void offerSize(int width, int height);
    // Chooses the list entry of `episode`; an episode outside 1..3 leaves
    // no entry chosen, and OK then asks for one.
    void setEpisode(int episode);
    void setMapLevel(bool mapLevel);

    // The values of the size boxes (0 for an empty box; very long numbers
    // stop growing at 999999, which is out of every range anyway).
    int chosenWidth() const;
    int chosenHeight() const;
    // The chosen episode 1..3, or 0 when none is chosen.
    int chosenEpisode() const;
    bool isMapLevel() const;

public slots:
    // OK closes the dialog only when the sizes lie within the limits, the
    // level fits a level file and an episode is chosen; otherwise it says
    // why and the dialog stays open.
    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void showSizeWarning();

private:
    void createControls();
    void makeDigitBox(QLineEdit* box);
    static bool refusesKey(const QKeyEvent& event);
    // Why the chosen values cannot be taken, or "" when they can.
    QString problem() const;

    QLineEdit* m_Width = nullptr;
    QLineEdit* m_Height = nullptr;
    QComboBox* m_Episode = nullptr;
    QCheckBox* m_MapLevel = nullptr;
    // Empty, or why the game could not load a level of the typed size.
    QLabel* m_SizeWarning = nullptr;
    int m_CurrentWidth = -1;
    int m_CurrentHeight = -1;
};
