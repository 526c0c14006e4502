#include "tools/sendto_request.h"

#include <cstring>

#include "platform/platform.h"
#include "text/ansi_text.h"

namespace {

const size_t kMaxNameLength = 200;  // room for the Send To folder and ".lnk"

bool isBlank(char c) { return c == ' ' || c == '\t'; }

// The next blank-separated token from *p; quotes group and are dropped.
std::string nextToken(const char** p) {
  while (isBlank(**p)) ++*p;
  std::string token;
  bool quoted = false;
  for (; **p && (quoted || !isBlank(**p)); ++*p) {
    if (**p == '"') quoted = !quoted;
    else token += **p;
  }
  return token;
}

bool isReservedDeviceName(const std::string& name) {
  std::string base = name.substr(0, name.find('.'));
  while (!base.empty() && base.back() == ' ') base.pop_back();
  static const char* const kDevices[] = {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"};
  for (const char* device : kDevices)
    if (equalsI(base.c_str(), device)) return true;
  if (base.size() == 4 && (keyMatches(base.c_str(), "COM", 3) ||
                           keyMatches(base.c_str(), "LPT", 3)))
    return base[3] >= '1' && base[3] <= '9';
  return false;
}

}  // namespace

SendToRequest parseSendToRequest(const char* arguments) {
  SendToRequest request;
  const char* p = arguments;
  for (;;) {
    const char* before = p;
    std::string token = nextToken(&p);
    if (token == "--force") {
      request.force = true;
    } else if (token == "--remove") {
      request.action = SendToRequest::kRemove;
    } else {
      p = before;
      break;
    }
  }
  std::string name = nextToken(&p);
  if (name.empty()) {
    if (request.action == SendToRequest::kRemove)
      request.error = "--remove needs the name of the shortcut";
  } else {
    request.name = name;
  }
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
  if (name.empty()) {
    *why = "it is empty";
    return false;
  }
  if (name.size() > kMaxNameLength) {
    *why = "it is longer than 200 characters";
    return false;
  }
  // Character by character, so a trail byte is never taken for \ or |.
  for (const char* c = name.c_str(); *c; c += nextCharLength(c)) {
    unsigned char byte = static_cast<unsigned char>(*c);
    if (nextCharLength(c) == 1 && (byte < 0x20 || strchr("\\/:*?\"<>|", *c))) {
      *why = "a file name cannot hold \\ / : * ? \" < > | or control characters";
      return false;
    }
  }
  char last = name.back();
  if (last == '.' || last == ' ') {
    *why = "a file name cannot end in a dot or a blank";
    return false;
  }
  if (isReservedDeviceName(name)) {
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
