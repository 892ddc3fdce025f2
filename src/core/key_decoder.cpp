#include "core/key_decoder.hpp"

#include <utility>

namespace geekpath {
namespace {

constexpr unsigned char kEscape = 0x1B;

bool continuesControlSequence(unsigned char byte) { return byte >= 0x20 && byte <= 0x3F; }
bool endsControlSequence(unsigned char byte) { return byte >= 0x40 && byte <= 0x7E; }

}  // namespace

void KeyDecoder::finish(bool extended) {
  finished_ = Key{.size = size_, .extended = extended};
  state_ = State::Idle;
  size_ = 0;
}

bool KeyDecoder::add(unsigned char byte) {
  if (finished_) return false;
  switch (state_) {
    case State::Idle:
      size_ = 1;
      if (byte == kEscape) {
        state_ = State::Escape;
      } else if (keyboard_ == nullptr) {
        finish(false);
      } else {
        character_.assign(1, static_cast<char>(byte));
        if (keyboard_->typedCharacter(character_) == TextCodec::Typed::Whole) {
          finish(false);
        } else {
          state_ = State::Character;
        }
      }
      return true;
    case State::Escape:
      if (byte != '[' && byte != 'O') {
        finish(false);
        return false;
      }
      ++size_;
      state_ = byte == '[' ? State::ControlSequence : State::ShiftThree;
      return true;
    case State::ControlSequence:
      if (continuesControlSequence(byte)) {
        ++size_;
      } else if (endsControlSequence(byte)) {
        ++size_;
        finish(true);
      } else {
        finish(true);
        return false;
      }
      return true;
    case State::ShiftThree:
      ++size_;
      finish(true);
      return true;
    case State::Character:
      character_ += static_cast<char>(byte);
      switch (keyboard_->typedCharacter(character_)) {
        case TextCodec::Typed::CutShort: finish(false); return false;
        case TextCodec::Typed::Whole:
          ++size_;
          finish(false);
          return true;
        case TextCodec::Typed::Partial: ++size_; return true;
      }
  }
  return true;
}

void KeyDecoder::timeout() {
  if (state_ != State::Idle) finish(state_ == State::ControlSequence || state_ == State::ShiftThree);
}

std::optional<Key> KeyDecoder::take() { return std::exchange(finished_, std::nullopt); }

}  // namespace geekpath
