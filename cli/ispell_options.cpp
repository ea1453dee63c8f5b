#include "cli/ispell_options.h"

#include <algorithm>
#include <cctype>

#include "cli/spell_session.h"

namespace tq::cli {

const char kIspellVersionLine[] = "@(#) International Ispell Version 3.1.20 (but really Tavrin Quillet)\n";

namespace {

std::string Lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
  return s;
}

// The languages the American dictionary answers for, as editors name them.
bool IsAmericanName(const std::string& name) {
  static const char* const kNames[] = {"american", "english", "en", "en_us", "en-us", "en_us.utf-8", "default"};
  const std::string n = Lower(name);
  return std::find(std::begin(kNames), std::end(kNames), n) != std::end(kNames);
}

bool ParseEncoding(const std::string& name, bool* cp1252) {
  const std::string n = Lower(name);
  if (n == "utf-8" || n == "utf8") {
    *cp1252 = false;
    return true;
  }
  if (n == "windows-1252" || n == "cp1252" || n == "latin1" || n == "iso-8859-1" || n == "iso8859-1") {
    *cp1252 = true;
    return true;
  }
  return false;
}

}  // namespace

bool ParseIspellOptions(platform::Env& env, const std::vector<std::string>& args, IspellOptions* options,
                        std::vector<std::string>* rest, std::string* error) {
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    // "-d NAME" or "-dNAME".
    auto value = [&](std::string* out) {
      if (a.size() > 2) {
        *out = a.substr(2);
        return true;
      }
      if (i + 1 >= args.size()) {
        *error = "option " + a + " needs a value";
        return false;
      }
      *out = args[++i];
      return true;
    };
    std::string v;
    if (a.size() < 2 || a[0] != '-' || (a.size() > 2 && a[1] == '-' && a.compare(0, 11, "--encoding=") != 0 &&
                                        a != "--encoding")) {
      rest->push_back(a);  // a word, or one of quillet's long options
      if (a == "--dict" || a == "--custom" || a == "--config" || a == "--dir" || a == "--max")
        if (i + 1 < args.size()) rest->push_back(args[++i]);
      continue;
    }
    if (a.compare(0, 11, "--encoding=") == 0 || a == "--encoding") {
      if (a == "--encoding") {
        if (i + 1 >= args.size()) {
          *error = "option --encoding needs a value";
          return false;
        }
        v = args[++i];
      } else {
        v = a.substr(11);
      }
      if (!ParseEncoding(v, &options->cp1252)) {
        *error = "unknown encoding '" + v + "' (UTF-8 or Windows-1252)";
        return false;
      }
      continue;
    }
    switch (a[1]) {
      case 'v':
        if (a.find_first_not_of('v', 1) != std::string::npos) break;
        options->version = true;
        continue;
      case 'a':
      case 'm':
      case 'B':
      case 'C':
      case 'S':
      case 't':
      case 'n':
        if (a.size() != 2) break;
        continue;
      case 'l':
        if (a.size() != 2) break;
        options->list = true;
        continue;
      case 'T':
      case 'w':
      case 'W':
        if (!value(&v)) return false;
        continue;
      case 'i':
        if (!value(&v)) return false;
        if (!ParseEncoding(v, &options->cp1252)) {
          *error = "unknown encoding '" + v + "' (UTF-8 or Windows-1252)";
          return false;
        }
        continue;
      case 'p':
        if (!value(&options->personal)) return false;
        continue;
      case 'd': {
        if (!value(&v)) return false;
        std::string path = v;
        if (IsAmericanName(v)) {
          path = DefaultMainDictionary(env);
          if (path.empty()) {
            *error = "American.adm was not found for '" + v + "'";
            return false;
          }
        } else if (v.find_first_of("/\\") == std::string::npos && Lower(v).find(".adm") == std::string::npos) {
          *error = "no dictionary for the language '" + v + "' (give a language such as en_US, or a path)";
          return false;
        }
        rest->push_back("--dict");
        rest->push_back(path);
        continue;
      }
      default:
        break;
    }
    *error = "unknown option " + a;
    return false;
  }
  return true;
}

}  // namespace tq::cli
