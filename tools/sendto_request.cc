#include "tools/sendto_request.h"

#include <cstring>

#include "app/program_arguments.h"
#include "platform/platform.h"
#include "text/windows_names.h"
#include "text/ansi_text.h"

namespace {

const size_t kMaxNameLength = 200;  // room for the Send To folder and ".lnk"

bool isBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

const char kSendToUsage[] =
    "Usage: falvex-sendto [--force] [--remove] [--] [NAME [OPTIONS...]]\n"
    "Puts a shortcut NAME (default Falvex) to the Falvex.exe beside this program\n"
    "into the Send To folder, with Falvex's OPTIONS, or removes one it made.\n"
    "  --force   replace a shortcut of that name that starts another program\n"
    "  --remove  remove the shortcut NAME\n"
    "  --        the next word is NAME, even when it begins with - or /\n"
    "Example: falvex-sendto \"Falvex (move)\" /#d=move\n";

SendToRequest parseSendToRequest(const char* arguments) {
  SendToRequest request;
  const char* p = arguments;
  bool named = false;
  // The tool's own words: the flags, before or after NAME, and NAME; the
  // first word after them starts Falvex's options.
  bool nameFollows = false;  // after "--"
  for (std::string token;;) {
    const char* before = p;
    if (!nextArgument(&p, &token)) break;
    bool dashed = !nameFollows && (token[0] == '-' || token[0] == '/');
    if (dashed && !named && (token == "--help" || token == "-h" || token == "/?")) {
      request.action = SendToRequest::kShowUsage;
      return request;
    } else if (dashed && !named && token == "--") {
      nameFollows = true;
    } else if (dashed && token == "--force") {
      request.force = true;
    } else if (dashed && token == "--remove") {
      request.action = SendToRequest::kRemove;
    } else if (dashed && !named) {
      request.error = "no such option: " + token;
      request.misused = true;
      return request;
    } else if (!named) {
      named = true;
      nameFollows = false;
      request.name = token;
    } else {
      p = before;
      break;
    }
  }
  if (!named && request.action == SendToRequest::kRemove)
    request.error = "--remove needs the name of the shortcut";
  while (isBlank(*p)) ++p;
  request.options = p;
  while (!request.options.empty() && isBlank(request.options.back()))
    request.options.pop_back();
  if (request.action == SendToRequest::kRemove && !request.options.empty())
    request.error = "--remove takes only the name of the shortcut";
  std::string why;
  if (request.error.empty() && !isShortcutName(request.name, &why))
    request.error = "\"" + request.name + "\" cannot be a shortcut name: " + why;
  return request;
}

bool isShortcutName(const std::string& name, std::string* why) {
  switch (windowsNameProblem(name)) {
    case kNameEmpty: *why = "it is empty"; return false;
    case kNameBadCharacter:
      *why = "a file name cannot hold \\ / : * ? \" < > | or control characters";
      return false;
    case kNameBadEnd: *why = "a file name cannot end in a dot or a blank"; return false;
    case kNameDevice: *why = "it is the name of a device"; return false;
    case kNameFine: break;
  }
  if (unitCount(name) > kMaxNameLength) {
    *why = "it is longer than 200 characters";
    return false;
  }
  return true;
}

SendToStep decideSendToStep(const SendToRequest& request, bool shortcutExists,
                            bool pointsToThisFalvex) {
  if (shortcutExists && !pointsToThisFalvex && !request.force)
    return kLeaveAlone;
  if (request.action == SendToRequest::kCreate) return kWriteShortcut;
  return shortcutExists ? kDeleteShortcut : kNothingToDo;
}
