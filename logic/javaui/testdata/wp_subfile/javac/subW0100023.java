// Hand-written until the subfile classes are generated: a line of the
// Lines panel's subfile 1, with ProdId, Qty and State.
import com.quenora.*;

public class subW0100023 extends QNSubfileElement {
  private int prodId;
  private short qty;
  private String state = "";

  public int getProdId() { return prodId; }
  public void setProdId(int value) { prodId = value; }
  public short getVQty() { return qty; }
  public void setVQty(short value) { qty = value; }
  public String getVState() { return state; }
  public void setVState(String value) { state = value; }
}
