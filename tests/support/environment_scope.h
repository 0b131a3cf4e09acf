#pragma once
// Points an environment variable elsewhere for the lifetime of the object.
#include <QByteArray>
#include <QString>

namespace strumbly::test {

class EnvironmentScope {
 public:
  EnvironmentScope(const char* name, const QString& value) : name_(name), old_(qgetenv(name)) {
    qputenv(name, value.toUtf8());
  }
  ~EnvironmentScope() { qputenv(name_, old_); }
  EnvironmentScope(const EnvironmentScope&) = delete;
  EnvironmentScope& operator=(const EnvironmentScope&) = delete;

 private:
  const char* name_;
  QByteArray old_;
};

}  // namespace strumbly::test
