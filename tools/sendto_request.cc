#include "tools/sendto_request.h"

#include <cstring>

#include "app/program_arguments.h"
#include "platform/platform.h"
#include "state/left_out_names.h"
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
  if (name.find_first_not_of(" \t") == std::string::npos) {
    *why = "it is empty";
    return false;
  }
  // Character by character, so a trail byte is never taken for \ or |; a
  // character the code page cannot hold is one character, and none that a
  // file name refuses (those are all ASCII).
  size_t characters = 0;
  for (const char* c = name.c_str(); *c; c += nextCharLength(c), ++characters) {
    unsigned char byte = static_cast<unsigned char>(*c);
    if (*c != kUnheldMark && nextCharLength(c) == 1 &&
        (byte < 0x20 || strchr("\\/:*?\"<>|", *c))) {
      *why = "a file name cannot hold \\ / : * ? \" < > | or control characters";
      return false;
    }
  }
  if (characters > kMaxNameLength) {
    *why = "it is longer than 200 characters";
    return false;
  }
  char last = name.back();
  if (last == '.' || last == ' ') {
    *why = "a file name cannot end in a dot or a blank";
    return false;
  }
  if (isDeviceName(name.c_str())) {
    *why = "it is the name of a device";
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
