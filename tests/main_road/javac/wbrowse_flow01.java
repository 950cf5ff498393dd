// Hand-written until the subfile classes are generated: the flow of the
// Browse panel's subfile 1, as the panel names it.
package com.demo.sample;

import com.quenora.*;

public class wbrowse_flow01 implements QNSubfileFlow {
  public wbrowse_flow01() {}
}
