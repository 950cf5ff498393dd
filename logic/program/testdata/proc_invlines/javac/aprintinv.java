// The procedure PrintInv, which its own generation writes: what the call of
// InvLines needs.
import com.quenora.ModelContext;
import com.quenora.QNDate;

public class aprintinv {
  public aprintinv(int remoteHandle, ModelContext context) {}
  public void execute(QNDate invdate) {}
}
