// The progress of an image read or write on stderr: a bar redrawn in place on a terminal,
// plain percentage lines otherwise (a log file or a pipe).
#pragma once

#include <ostream>

#include "link/LinkInterfaces.h"

namespace k7x::cli {

class TerminalProgress : public ProgressDisplay {
public:
    TerminalProgress(std::ostream& err, bool terminal) : err_(err), terminal_(terminal) {}

    void show(Operation operation) override;
    void setValue(int percent) override;
    void close() override;
    // Ends the line the bar is drawn on, so a message can follow; the next value draws it anew.
    void breakLine();

private:
    void draw(int percent);

    std::ostream& err_;
    bool terminal_;
    bool shown_ = false;
    bool onLine_ = false;  // the bar is on the current terminal line
    const char* label_ = "";
};

}  // namespace k7x::cli
