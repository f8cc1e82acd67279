#pragma once

// The dictionary window, the program's main window. Creating it runs the start-up sequence
// (FormCreate), so the word table is readable before any other window exists; closing it ends
// the program. The engine does the dictionary work; the window keeps the dictionary's direction,
// reads its controls, calls the engine and shows what comes back.

#include "Direction.h"
#include "Startup.h"

#include <QWidget>

namespace slovnik {

class TMainForm : public QWidget {
    Q_OBJECT
public:
    /// Runs FormCreate with `module` as the external module; the window stays hidden.
    explicit TMainForm(const ExternalModule &module = morvellaModule(), QWidget *parent = nullptr);

    /// The dictionary's direction: CzechToEnglish from start-up on.
    TranslationDirection translationDirection() const { return m_direction; }

protected:
    /// Closing the main window ends the message loop, whatever other windows are showing.
    void closeEvent(QCloseEvent *event) override;

private:
    void FormCreate(const ExternalModule &module);

    TranslationDirection m_direction = TranslationDirection::CzechToEnglish;
};

} // namespace slovnik
