// The web panel Orders as the case's panel calls it: by its remote handle
// and context, its one parameter a customer number in a holder.
import com.quenora.*;
import com.quenora.webpanels.*;

public final class horders extends QNWebPanel {
  public horders(int remoteHandle, ModelContext context) {
    super(remoteHandle, context);
  }

  public void execute(QNShort id) {}
}
