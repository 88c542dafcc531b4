#include "session.h"

#include "online_config.h"

namespace numora {

Session::Session(online::Services services, RandomSource& random, const QString& picturesFolder,
                 std::function<void()> onEnd, online::Addresses addresses)
    : services_(services),
      pictures_(picturesFolder, dispatcher_, services_.notifier),
      screens_([this]() -> Context& { return ctx_; }, std::move(onEnd)),
      ctx_{state_,
           random,
           services_,
           slots_,
           std::move(addresses),
           online::versionKey(NUMORA_VERSION_MAJOR, NUMORA_VERSION_MINOR, NUMORA_VERSION_PATCH),
           dispatcher_,
           pictures_,
           screens_}
{
    dispatcher_.setIdleCheck([this] { screens_.handlerFinished(); });
}

bool Session::start()
{
    dispatcher_.run([this] { screens_.start(); });
    return !screens_.ended();
}

}  // namespace numora
