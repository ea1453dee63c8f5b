#include "spell/engine/remembered_answers.h"

#include <cstring>
#include <utility>

namespace tq::spell {

uint32_t TRememberedAnswers::Hash(std::string_view word) {
  uint32_t hash = 2166136261u;
  for (char c : word) hash = (hash ^ static_cast<uint8_t>(c)) * 16777619u;
  return hash ^ (hash >> 15);
}

int TRememberedAnswers::Find(std::string_view word) {
  if (buckets_.empty()) return -1;
  const uint32_t hash = Hash(word);
  Bucket& bucket = BucketOf(hash);
  for (int k = 0; k < 2; ++k) {
    const Answer& a = bucket.way[k];
    if (a.length == word.size() && a.hash == hash && std::memcmp(a.word, word.data(), word.size()) == 0) {
      const bool found = a.found;
      if (k == 1) std::swap(bucket.way[0], bucket.way[1]);
      return found ? 1 : 0;
    }
  }
  return -1;
}

void TRememberedAnswers::Keep(std::string_view word, bool found) {
  if (word.empty() || word.size() > kLongestWord) return;
  if (buckets_.empty()) buckets_.resize(kFirstSlots / 2);
  if (++taken_ >= slots() && slots() < kMaxSlots) Grow();
  const uint32_t hash = Hash(word);
  Bucket& bucket = BucketOf(hash);
  bucket.way[1] = bucket.way[0];
  Answer& a = bucket.way[0];
  a.hash = hash;
  a.length = static_cast<uint8_t>(word.size());
  a.found = found;
  std::memcpy(a.word, word.data(), word.size());
}

void TRememberedAnswers::Grow() {
  std::vector<Bucket> old = std::move(buckets_);
  buckets_.assign(old.size() * 2, Bucket());
  taken_ = 0;
  // The older answer of each bucket first, so that the newer stays in front.
  for (int k = 1; k >= 0; --k)
    for (const Bucket& b : old) {
      const Answer& a = b.way[k];
      if (a.length == 0) continue;
      Bucket& bucket = BucketOf(a.hash);
      bucket.way[1] = bucket.way[0];
      bucket.way[0] = a;
    }
}

void TRememberedAnswers::Clear() {
  buckets_.clear();
  buckets_.shrink_to_fit();
  taken_ = 0;
}

}  // namespace tq::spell
