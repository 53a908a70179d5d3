// The demo: Ornil's code with the Win32 toolkit, in one program with the simulated MapInfo that
// runs our companion program, on real windows. MapInfo's main window, maps and browsers are real
// windows of this program drawn from the simulated host; DDE and the global atoms are the
// simulated ones (Wine's DDEML cannot carry these conversations), while the window manager, the
// hooks and the message queue are the real ones the DLL uses. Plays the session, writes a
// numbered screenshot per step, the DDE transcript and the summary to out/demo (or the folder
// given), prints a line per step, and exits non-zero when a step failed.
#include "platform/win32/win32_api.h"

#include <cstdio>
#include <fstream>
#include <string>

#include "demo/answering_dialogs.h"
#include "demo/demo_host.h"
#include "demo/session.h"
#include "demo/win32/box_answerer.h"
#include "demo/win32/host_frame.h"
#include "demo/win32/screen_stage.h"
#include "exports/modules.h"
#include "platform/win32/win32_seams.h"
#include "platform/win32/window_manager_win32.h"
#include "text/cp1251.h"
#include "ui/application.h"
#include "ui/win32/screenshot.h"
#include "ui/win32/toolkit.h"
#include "ui/win32/win32_backend.h"

namespace {

using namespace ornil;

void WriteLines(const std::string& path, const std::vector<std::string>& lines) {
  std::ofstream out(path, std::ios::binary);
  for (const auto& line : lines)
    out << line << "\n";
}

}  // namespace

int main(int argc, char** argv) {
  const std::string folder = argc > 1 ? argv[1] : ORNIL_OUT_DIR "/demo";
  CreateDirectoryA(ORNIL_OUT_DIR, nullptr);
  CreateDirectoryA(folder.c_str(), nullptr);
  ui::win32::PrepareVirtualDisplay();

  // MapInfo is made first and goes last: the library's shut-down still talks to it.
  demo::DemoHost mapInfo;
  sim::DdeNetwork dde;
  sim::SimAtoms atoms;
  sim::SimFileSystem files;
  demo::AnsweringDialogs dialogs;
  ui::win32::Win32Backend backend;
  ui::Application application{backend};
  demo::HostFrame frame(mapInfo.host, mapInfo.companion);

  platform::Seams seams = ui::win32::WithToolkitSeams(platform::win32::RealSeams());
  seams.ddeml = &dde;
  seams.atoms = &atoms;
  seams.files = &files;
  seams.dialogs = &dialogs;
  platform::Install(seams);
  // The partner's answer to a disconnect arrives as a thread message, as DDEML's own window
  // would receive it.
  dde.onTerminated = [](platform::HConv conv) {
    PostThreadMessageA(GetCurrentThreadId(), WM_DDE_TERMINATE, static_cast<WPARAM>(conv), 0);
  };
  LoadLibraryModules();

  demo::Summary summary;
  demo::ScreenStage stage(frame.MainWindow(), folder);
  demo::BoxAnswerer boxes(stage);
  try {
    mapInfo.Attach(dde, atoms, files, platform::win32::RealWindowManager(), frame);
    summary = demo::PlaySession(mapInfo, frame, stage);
  } catch (const std::exception& e) {
    summary.failures.push_back(std::string("the session stopped: ") + e.what());
  }
  UnloadLibraryModules();
  platform::Install({});

  // A message box the user answers is a step of its own, pictured as the others are.
  summary.steps = static_cast<int>(stage.Pictures().size());
  // Fewer pictures than the session's windows means a step never reached the screen.
  constexpr int kFewestPictures = 8;
  if (summary.steps < kFewestPictures)
    summary.failures.push_back("only " + std::to_string(summary.steps) + " screenshots were taken");
  for (const auto& f : stage.Failures())
    summary.failures.push_back(f);
  for (const auto* answered : {&dialogs.errors, &boxes.errors})
    for (const auto& e : *answered)
      summary.failures.push_back("an error was shown: " + e);
  std::vector<std::string> transcript;
  for (const auto& line : dde.TranscriptLines())
    transcript.push_back(text::ToUtf8(line));
  WriteLines(folder + "/dde_transcript.txt", transcript);
  std::vector<std::string> report = {summary.Line()};
  for (const auto* answered : {&dialogs.shown, &boxes.shown})
    for (const auto& shown : *answered)
      report.push_back("message box: " + shown);
  for (const auto& f : summary.failures)
    report.push_back("failed: " + f);
  WriteLines(folder + "/summary.txt", report);

  for (const auto& f : summary.failures)
    std::printf("FAILED: %s\n", f.c_str());
  std::printf("screenshots: %d in %s\n", static_cast<int>(stage.Pictures().size()), folder.c_str());
  std::printf("DDE transcript: %s/dde_transcript.txt (%d transactions)\n", folder.c_str(),
              static_cast<int>(transcript.size()));
  std::printf("summary: %s\n", summary.Line().c_str());
  return summary.Ok() ? 0 : 1;
}
