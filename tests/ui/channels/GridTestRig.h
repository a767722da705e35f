// The channel grid of a fresh document in a chosen country mode, with short ways to reach its
// controls and cells.
#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <QTableWidget>

#include "ChannelTestRig.h"
#include "codeplug/Defaults.h"
#include "codeplug/Groups.h"

namespace k7x::test {

// Counts the rows the document asked the windows to redraw.
struct RedrawCounter : DocumentListener {
    explicit RedrawCounter(DocumentState& d) : doc(d) { doc.subscribe(this); }
    ~RedrawCounter() override { doc.unsubscribe(this); }
    void reShowGrid(int) override { ++rows; }
    DocumentState& doc;
    int rows = 0;
};

class GridTestRig : public ChannelTestRig {
public:
    // A new document of the mode (its band, its default channels). The main window opens a
    // grid as it starts; that one is closed, so open() shows the document as the test set it.
    explicit GridTestRig(int mode) : ChannelTestRig(mode) {
        main().CloseCurAllWindows();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        doc.CurrentCountryMode = static_cast<Int>(mode);
        InitNewDocument(doc, settings.ProgramFolder, false);
    }

    frmCommChInfo* open() { return window_ = grid(); }
    template <typename T = QComboBox>
    T* control(const QString& name) {
        return window_->findChild<T*>(name);
    }
    QTableWidget* table() { return control<QTableWidget>(QStringLiteral("MSFlexGrid1")); }
    QString cell(int position, int column) { return table()->item(position - 1, column)->text(); }
    bool shown(const QString& name) { return !control<QWidget>(name)->isHidden(); }

    // Shows a group by name through the selector the mode offers.
    void showGroup(const QString& name) {
        QComboBox* list = control(QStringLiteral("Combo7"));
        list->setCurrentIndex(list->findText(name));
    }
    // Makes a cell current and asks for its editor, as Enter does.
    void editCell(int position, int column) {
        table()->setCurrentCell(position - 1, column);
        window_->EnterGridEdit();
    }
    ChannelRecord& channel(int channelNo) {
        int index = FindChannel(doc, channelNo);
        if (index < 0) {
            AddChannel(doc, channelNo, "28.50000");
            index = FindChannel(doc, channelNo);
        }
        return doc.ChannelList[static_cast<std::size_t>(index)];
    }
    // The name of the one in-cell editor shown, or "" when none is.
    QString openEditor() {
        for (const char* name : {"Text1", "Text2", "Combo1_0", "Combo2_0", "Combo3_0", "Combo4_0"})
            if (shown(QString::fromLatin1(name))) return QString::fromLatin1(name);
        return {};
    }

private:
    frmCommChInfo* window_ = nullptr;
};

}  // namespace k7x::test
