// The progress of an image read or write on stderr: a bar redrawn in place on a terminal,
// plain percentage lines otherwise (a log file or a pipe).
#pragma once

#include <ostream>
#include <string>
#include <utility>

#include "codeplug/FillText.h"
#include "link/LinkInterfaces.h"

namespace k7x::cli {

class TerminalProgress : public ProgressDisplay {
public:
    // `text` gives the captions of a read and a write.
    TerminalProgress(std::ostream& err, bool terminal, TextLookup text)
        : err_(err), terminal_(terminal), text_(std::move(text)) {}

    void show(Operation operation) override;
    void setValue(int percent) override;
    void close() override;
    // Ends the line the bar is drawn on, so a message can follow; the next value draws it anew.
    void breakLine();

private:
    void draw(int percent);

    std::ostream& err_;
    bool terminal_;
    TextLookup text_;
    bool shown_ = false;
    bool onLine_ = false;  // the bar is on the current terminal line
    std::string label_;
};

}  // namespace k7x::cli
