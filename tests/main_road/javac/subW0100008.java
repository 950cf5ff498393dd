// Hand-written until the subfile classes are generated: a line of the
// Browse panel's subfile 1, with ProdId and ProdDsc.
package com.demo.sample;

import com.quenora.*;

public class subW0100008 extends QNSubfileElement {
  private int prodId;
  private String prodDsc = "";

  public int getProdId() { return prodId; }
  public void setProdId(int value) { prodId = value; }
  public String getProdDsc() { return prodDsc; }
  public void setProdDsc(String value) { prodDsc = value; }
}
