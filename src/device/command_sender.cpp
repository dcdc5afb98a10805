#include "device/command_sender.h"

namespace zantor::device {

using namespace std::chrono_literals;

void CommandSender::SendButton(int deviceButton, int deviceFunction) {
    send([&](CommandReport& r) { encodeButton(r, deviceButton, deviceFunction); });
}

void CommandSender::SendWheel(int wheelStatus) {
    send([&](CommandReport& r) { encodeWheel(r, wheelStatus); });
}

void CommandSender::SendLight(int cycleColourMask, int ledType, int ledCycleTime) {
    send([&](CommandReport& r) { encodeLight(r, cycleColourMask, ledType, ledCycleTime); });
}

void CommandSender::SendDpi(int currentLevel, int levelIndex, int dpiSetting,
                            int enabledLevelBits) {
    send([&](CommandReport& r) {
        encodeDpi(r, currentLevel, levelIndex, dpiSetting, enabledLevelBits);
    });
}

void CommandSender::SendDpiColour(int levelIndex, int red, int green, int blue) {
    send([&](CommandReport& r) { encodeDpiColour(r, levelIndex, red, green, blue); });
}

void CommandSender::SendFire(int fireTime) {
    send([&](CommandReport& r) { encodeFire(r, fireTime); });
}

void CommandSender::SendMediaKey(int mediaIndex) {
    send([&](CommandReport& r) { encodeMediaKey(r, mediaIndex); });
}

void CommandSender::SendHostExit() {
    send([&](CommandReport& r) { encodeHostExit(r); });
}

void CommandSender::KeyEvent(std::uint8_t code, int action) {
    send([&](CommandReport& r) {
        if (applyKeyEvent(keys_, code, action) == CMD_KEYS)
            encodeKeys(r, keys_);
        else
            encodeMouseKeys(r, keys_);
    });
}

void CommandSender::ReleaseAll() {
    auto deadline = clock_.now() + 10ms;
    clock_.sleepUntil(deadline);
    send([&](CommandReport& r) {
        keys_.mouseButtons |= 0x07;
        encodeMouseKeys(r, keys_);
    });
    deadline += 10ms;
    clock_.sleepUntil(deadline);
    send([&](CommandReport& r) {
        keys_.keySlots.fill(0);
        encodeKeys(r, keys_);
    });
}

KeyReportState CommandSender::keyState() const {
    std::lock_guard lock(mutex_);
    return keys_;
}

} // namespace zantor::device
