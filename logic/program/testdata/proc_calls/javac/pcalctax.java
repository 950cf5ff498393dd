// The called program as its own generation writes its entry: a holder per
// parameter.
import com.quenora.*;

public final class pcalctax extends QNProcedure {
  public pcalctax(int remoteHandle, ModelContext context) {
    super(remoteHandle, context, "");
  }

  public void execute(QNInt aP0, QNInt aP1) {}
}
