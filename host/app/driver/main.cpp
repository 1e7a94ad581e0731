// measure-host: a CAD host in miniature that measures in a drawing and keeps the running-total dialog
// beside it, the way a host application embeds the BrMeasureTotalDlg component.
//
//   measure-host                      sample run without a display, live with one
//   measure-host --live [--script F]  the drawing and the dialog on the desktop
//   measure-host --script F|-         headless, driven by a script, events as JSON Lines
//   measure-host --sample             the sample run, even with a display
//
// This is the example host (../example: the entry call, the ownership of the dialog, ID_TOTAL_EVENT,
// the message loop with PreTranslateMessage, the live drawing) run for scripts and tests: the script
// and sample modes, the simulated user, the events printed as JSON Lines, the main frames a test
// asks for. A host developer copies ../example, not this.
#include "DriverSession.h"
#include "live/LiveScript.h"
#include "host/PlanWindow.h"
#include "sample/SampleRun.h"
#include "script/DialogProbe.h"
#include "script/Observations.h"
#include "script/ScriptRunner.h"

#include <SampleScript.h>

#include <afxwin.h>
#include <automation.h>
#include <display.h>

#if defined(_WIN32)
#include <fcntl.h>
#include <io.h>
#endif

#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>

namespace {

// The application object gives message boxes their caption and the dialog its owner window.
CWinApp theApp(L"measure-host");

enum class Mode { Sample, Live, Script, Help };

struct Arguments {
    Mode mode = Mode::Sample;
    std::optional<std::string> script;
    bool valid = true;
};

Arguments ParseArguments(int argc, char** argv) {
    Arguments args;
    bool live = false;
    bool sample = false;
    for (int i = 1; i < argc; ++i) {
        const std::string word = argv[i];
        if (word == "--live") {
            live = true;
        } else if (word == "--sample") {
            sample = true;
        } else if (word == "--script" && i + 1 < argc) {
            args.script = argv[++i];
        } else if (word == "--help" || word == "-h") {
            args.mode = Mode::Help;
            return args;
        } else {
            args.valid = false;
        }
    }
    if (sample && (live || args.script)) {
        args.valid = false;
    }
    if (live) {
        args.mode = Mode::Live;
    } else if (args.script) {
        args.mode = Mode::Script;
    } else if (!sample && display::Available()) {
        args.mode = Mode::Live;
    }
    return args;
}

void PrintUsage(std::ostream& out) {
    out << "usage: measure-host [--live] [--script FILE|-] | --sample | --help\n"
           "  no argument: the sample run (out/dialog.png, out/drawing.png, out/events.jsonl) when no\n"
           "  display is there, else the drawing and the dialog on the desktop.\n"
           "  Settings: BRIO_SETTINGS, log: BRIO_LOG.\n";
}

// The simulated user's own message pumping takes the host's path: PreTranslateMessage first.
void RouteAutomationThroughPreTranslate() {
    automation::SetPreTranslateHook([](MSG* msg) { return AfxPreTranslateMessage(msg) != FALSE; });
}

int RunSample(host::driver::DriverSession& session, host::plan::PlanModel& plan,
              host::script::EventSink& events) {
    const auto files = host::sample::SampleFilesIn("out");
    std::ofstream eventFile(files.events, std::ios::binary);
    events.attach(eventFile);
    std::istringstream script(host::sample::kSampleScript);
    host::script::ScriptContext context{session, plan, events};
    int status = host::script::RunScript(script, context);
    const HWND dialog = host::script::FindDialogWindow();
    if (!dialog || !display::WriteWindowPng(dialog, files.dialogPng) ||
        !host::WriteDrawingPng(plan, files.drawingPng)) {
        std::cerr << "measure-host: the sample's pictures could not be written\n";
        return 1;
    }
    std::cout << "measure-host: the sample ran" << (status ? " with errors (see the events)" : "") << ".\n"
              << "  " << files.dialogPng << "    the dialog as the user left it\n"
              << "  " << files.drawingPng << "   the drawing with the summary the dialog asked us to draw\n"
              << "  " << files.events << "  what happened, one JSON object per line\n"
              << "  log: " << std::getenv("BRIO_LOG") << ", settings: " << std::getenv("BRIO_SETTINGS")
              << '\n';
    return status;
}

} // namespace

int main(int argc, char** argv) {
#if defined(_WIN32)
    // JSON Lines end in a line feed alone, on Windows as everywhere.
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    const Arguments args = ParseArguments(argc, argv);
    if (!args.valid) {
        PrintUsage(std::cerr);
        return 2;
    }
    if (args.mode == Mode::Help) {
        PrintUsage(std::cout);
        return 0;
    }
    if (args.mode == Mode::Sample && !host::sample::PrepareSampleEnvironment("out")) {
        std::cerr << "measure-host: cannot make the directory out\n";
        return 2;
    }
    RouteAutomationThroughPreTranslate();

    host::plan::PlanModel plan = host::plan::PlanModel::Sample();
    host::driver::DriverSession session(plan);
    host::script::EventSink events;
    host::script::Observations observations(events, session);

    switch (args.mode) {
    case Mode::Sample:
        return RunSample(session, plan, events);
    case Mode::Live:
        events.attach(std::cout);
        return host::live::RunLiveWithScript(host::live::LiveOptions{args.script}, session, plan, events,
                                             observations.clipboardObserver());
    case Mode::Script: {
        events.attach(std::cout);
        host::script::ScriptContext context{session, plan, events};
        if (*args.script == "-") {
            return host::script::RunScript(std::cin, context);
        }
        std::ifstream in(*args.script);
        if (!in) {
            std::cerr << "measure-host: cannot read " << *args.script << '\n';
            return 2;
        }
        return host::script::RunScript(in, context);
    }
    case Mode::Help:
        break;
    }
    return 0;
}
