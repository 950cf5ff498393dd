// Test stand-in of the runtime library: compiled against by the generator's
// tests, never installed.
package com.quenora.distributed;

import java.util.ArrayList;
import java.util.List;

// The packed values behind the bytes a packer hands out: the bytes are the
// number of the kept list, which an unpacker made from them reads back.
final class Registry {
  private static final List<List<QNParameterPacker.Tagged>> kept = new ArrayList<>();

  static synchronized byte[] keep(List<QNParameterPacker.Tagged> values) {
    kept.add(values);
    int n = kept.size() - 1;
    return new byte[] {(byte) (n >>> 24), (byte) (n >>> 16), (byte) (n >>> 8), (byte) n};
  }

  static synchronized List<QNParameterPacker.Tagged> get(byte[] bytes) {
    if (bytes == null || bytes.length != 4) return new ArrayList<>();
    int n = ((bytes[0] & 0xff) << 24) | ((bytes[1] & 0xff) << 16) | ((bytes[2] & 0xff) << 8) | (bytes[3] & 0xff);
    return n >= 0 && n < kept.size() ? kept.get(n) : new ArrayList<>();
  }

  private Registry() {}
}
