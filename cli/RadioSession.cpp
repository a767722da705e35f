#include "cli/RadioSession.h"

#include <QEventLoop>
#include <memory>

#include "cli/CliCommand.h"
#include "cli/CliTexts.h"
#include "cli/RadioPrompts.h"
#include "cli/StopSignals.h"
#include "cli/TerminalProgress.h"
#include "link/TransferEngine.h"
#include "link/serial/LastTransferTrace.h"
#include "link/serial/PortCheck.h"
#include "link/serial/QtLinkTimers.h"
#include "link/serial/QtSerialLink.h"
#include "link/serial/SerialTrace.h"

namespace k7x::cli {

namespace {

// Ctrl+C at a question or at the password prompt interrupts the wait for the terminal, and the
// prompt returns unanswered. The stop is handed to the engine before the engine acts on that
// missing answer, so it does not go on to report a wrong password or give up on the radio.
class StopAwarePrompts : public Prompts {
public:
    explicit StopAwarePrompts(Prompts& inner) : inner_(inner) {}
    void setStopSignals(StopSignals* stop) { stop_ = stop; }

    std::string text(int number) const override { return inner_.text(number); }
    Answer message(const std::string& text, Buttons buttons, Icon icon,
                   const std::string& title) override {
        const Answer answer = inner_.message(text, buttons, icon, title);
        if (stop_ != nullptr) stop_->received();
        return answer;
    }
    using Prompts::message;
    Answer ask(Question question, const std::string& text, Buttons buttons, Icon icon) override {
        const Answer answer = inner_.ask(question, text, buttons, icon);
        if (stop_ != nullptr) stop_->received();
        return answer;
    }
    std::optional<std::string> askPassword() override {
        std::optional<std::string> password = inner_.askPassword();
        if (stop_ != nullptr) stop_->received();
        return password;
    }

private:
    Prompts& inner_;
    StopSignals* stop_ = nullptr;
};

// Collects how the transfer went and stops the event loop once it is over.
class SessionListener : public TransferListener {
public:
    SessionListener(QEventLoop& loop, bool unpacks) : loop_(loop), unpacks_(unpacks) {}

    void imageUnpacked(bool ok) override {
        unpacked_ = true;
        result.imageUnpacked = ok;
        checkDone();
    }
    void endProgram() override {
        result.endProgram = true;
        done = true;
        loop_.quit();
    }
    void transferFinished(const TransferOutcome& outcome) override {
        result.outcome = outcome;
        finished_ = true;
        checkDone();
    }

    RadioSessionResult result;
    bool done = false;

private:
    void checkDone() {
        // A completed read is over only once its image has become the document.
        const bool waitForUnpack = unpacks_ && result.outcome.completed && !unpacked_;
        if (finished_ && !waitForUnpack) {
            done = true;
            loop_.quit();
        }
    }

    QEventLoop& loop_;
    bool unpacks_;  // a completed transfer becomes the document
    bool finished_ = false;
    bool unpacked_ = false;
};

}  // namespace

RadioSessionResult RunRadioSession(Operation operation, DocumentState& doc,
                                   const RadioSessionSettings& settings, CliContext& ctx) {
    std::unique_ptr<SerialTrace> fileTrace;
    if (!settings.traceFile.empty()) {
        RadioSessionResult failed;
        std::string problem;
        fileTrace = SerialTrace::toFile(settings.traceFile, problem);
        if (!fileTrace) {
            failed.problem = Text(ctx.prompts, kTextCannotWrite, {settings.traceFile});
            return failed;
        }
    }
    // Every transfer is traced into the state folder for a problem report, and into the file
    // of --trace as well when there is one.
    LastTransferTrace kept(LastTraceFileOfProcess());
    SerialTrace& trace = kept.begin(operation);
    trace.forwardTo(fileTrace.get());

    QEventLoop loop;
    const bool forDocument =
        operation == Operation::ImageRead && settings.readUse == ReadUse::Document;
    SessionListener listener(loop, forDocument);
    const TextLookup texts = [&ctx](int number) { return ctx.prompts.text(number); };
    QtSerialLink link(ResolverFor(settings.port, settings.configuredPorts, texts), texts);
    link.setTrace(&trace);
    QtLinkTimers timers;
    TerminalProgress progress(ctx.err, settings.progressTerminal, texts);
    RadioPrompts prompts(ctx.prompts, ctx.err, settings.interactive, settings.retries,
                         settings.password);
    prompts.setBeforeOutput([&progress] { progress.breakLine(); });
    StopAwarePrompts enginePrompts(prompts);

    LinkEnvironment env{doc,    enginePrompts, ctx.versions, ctx.launch,      link,
                        timers, progress,      listener,     settings.backups};
    // An unanswered handshake is explained by what the port check finds about the device.
    env.portFindings = [&link, texts] {
        return NoAnswerFindings(texts, SystemPortChecker()(link.devicePath()));
    };
    TransferEngine engine(std::move(env));
    link.setEvents(&engine);
    timers.setEvents(&engine);
    if (settings.password) engine.setStoredPassword(*settings.password);

    // Ctrl+C or SIGTERM: the radio is told to leave programming mode, the port is closed.
    StopSignals stop([&](int signal) {
        trace.note("stop requested by signal " + std::to_string(signal));
        engine.cancel();
    });
    enginePrompts.setStopSignals(&stop);

    // The command itself is the user's confirmation.
    const bool started = operation == Operation::ImageRead && !forDocument
                             ? engine.startComparisonRead(settings.readUse)
                             : engine.start(operation, false);
    if (!started) {
        listener.result.problem = ctx.prompts.text(kTextTransferRunning);
        return listener.result;
    }
    // A start that fails at once (the port does not open) has already finished.
    if (!listener.done) loop.exec();
    RadioSessionResult& result = listener.result;
    if (const int signal = stop.received()) {
        result.stopSignal = signal;
        // Not what was asked for, even when the stop came after the last block.
        result.outcome.completed = false;
        result.problem = ctx.prompts.text(kTextStopped);
    }
    if (result.outcome.radioPartlyWritten) {
        prompts.message(kTextRadioPartlyWritten, Buttons::Ok, Icon::Warning);
    }
    kept.end(result.outcome);
    if (fileTrace) fileTrace->note("end");
    link.setTrace(nullptr);
    return result;
}

}  // namespace k7x::cli
