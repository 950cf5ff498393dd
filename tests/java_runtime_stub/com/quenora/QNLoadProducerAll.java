// Test stand-in of the runtime library: compiled against by the generator's
// tests, never installed.
package com.quenora;

// A producer that loads every line at once.
public class QNLoadProducerAll extends QNLoadProducer {
}
