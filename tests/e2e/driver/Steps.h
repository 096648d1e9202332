// The step language: each verb of a scenario line is one entry of a table that names its
// argument count, its usage and the function that runs it. A step that finds the program
// behaving otherwise than expected throws StepFailure with both the expectation and what it
// found.
#pragma once

#include <windows.h>

#include <cstdint>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "Log.h"
#include "Script.h"
#include "Target.h"

struct StepFailure : std::runtime_error {
    using std::runtime_error::runtime_error;
};

struct Context {
    Context(Log& runLog, std::string programPath, std::string workFolder, std::string hookDllPath)
        : log(runLog), program(std::move(programPath)), workDir(std::move(workFolder)), hookDll(std::move(hookDllPath))
    {
    }

    Log& log;
    std::string program;
    std::string workDir;
    std::string hookDll;
    Target target;
    DWORD waitMs = 10000;
    // The dialog or box the last step found; ok, cancel and the control checks act on it.
    HWND current = nullptr;
    // Dialogs already answered: they may stay on screen for a moment (or, for the number
    // prompt, until its cancel box is closed) but are never taken for a new window.
    std::set<HWND> dismissed;
};

using StepFunction = void (*)(Context&, const Step&);

struct StepKind {
    const char* verb;
    std::size_t minArgs;
    std::size_t maxArgs;
    const char* usage;
    StepFunction run;
};

// The step tables of the families.
const std::vector<StepKind>& shellSteps();
const std::vector<StepKind>& dialogSteps();
const std::vector<StepKind>& promptSteps();
const std::vector<StepKind>& fileDialogSteps();
const std::vector<StepKind>& fileSteps();
const std::vector<StepKind>& shellFileSteps();
const std::vector<StepKind>& pixelSteps();
const std::vector<StepKind>& soundSteps();

// Helpers shared by the families.
std::uint32_t unsignedArg(const Step& step, std::size_t index);
// Starts the program with these arguments and waits for its main window.
void startTarget(Context& context, const std::vector<std::string>& arguments);
void requireStarted(const Context& context);
HWND awaitDialog(Context& context, const std::string& what);
void pressButton(Context& context, HWND dialog, int buttonId);
void awaitClosed(Context& context, HWND dialog, const std::string& what);
// Waits up to a second for the focus to reach the control; fails naming where it is instead.
void expectFocusOn(Context& context, HWND dialog, int controlId);
// Sets a field's text and reads it back.
void setFieldText(HWND field, const std::string& text);
